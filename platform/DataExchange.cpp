#include "platform/DataExchange.h"

#include "platform/Exception.h"
#include "platform/MessageBox.h"
#include "platform/ProgramMessages.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"

#include <cctype>
#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int id) {
    m_lastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_lastIsEdit = false;
    return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_lastIsEdit = true;
    return m_lastControl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_lastControl) {
        ::SetFocus(m_lastControl);
        if (m_lastIsEdit)
            ::SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd control(pDX->PrepareEditCtrl(id));
    if (pDX->m_bSaveAndValidate)
        value = control.GetWindowTextA();
    else
        control.SetWindowTextA(value);
}

bool ParseWholeNumber(const char* text, int& value) {
    // Read as strtol reads it: a number beyond the range of int is still a number, held at the
    // limit, so the caller's own range check speaks of it.
    static_assert(sizeof(long) == sizeof(int), "strtol's limits are int's");
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text)
        return false;
    while (std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end != '\0')
        return false;
    value = static_cast<int>(number);
    return true;
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    CWnd control(pDX->PrepareEditCtrl(id));
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        control.SetWindowTextA(text);
        return;
    }
    // A character the code page lacks ("π", "½") makes no number either.
    const std::wstring typed = control.GetWindowTextW();
    if (!FitsProgramCodePage(typed) || !ParseWholeNumber(FromWide(typed.c_str()), value)) {
        ShowMessageBox(pDX->m_pDlgWnd->m_hWnd, ProgramMessages::kNotANumber.text, AfxGetAppName(),
                       MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    HWND control = pDX->PrepareCtrl(firstId);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from its first button up to the next control that starts a group; controls
    // in between that are not radio buttons do not count.
    int index = 0;
    do {
        if (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongW(control, GWL_STYLE) & WS_GROUP));
}

void DDX_LBString(CDataExchange* pDX, int id, CString& value) {
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        const int selected = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
        if (selected == LB_ERR) {
            value.Empty();
            return;
        }
        const int length = static_cast<int>(::SendMessageW(list, LB_GETTEXTLEN, selected, 0));
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(&text[0]));
        value = FromWide(text.c_str());
    } else {
        const std::wstring text = ToWide(value);
        ::SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(text.c_str()));
    }
}
