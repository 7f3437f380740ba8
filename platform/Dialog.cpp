#include "platform/Dialog.h"

#include "platform/Exception.h"
#include "platform/WinApp.h"

namespace {
// Posted after WM_INITDIALOG when a test script is set.
const UINT kRunTestScript = WM_APP + 0x3F00;

CDialog::Script& TestScript() {
    static CDialog::Script script; // test seam only; empty in the program
    return script;
}
} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd && IsWindow(m_hWnd))
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
}

void CDialog::SetTestScript(Script script) {
    TestScript() = std::move(script);
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    if (owner == nullptr && AfxGetThread() && AfxGetThread()->GetMainWnd())
        owner = AfxGetThread()->GetMainWnd()->m_hWnd;
    return DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId), owner, StaticDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return; // the refused control keeps the focus; the dialog stays open
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

// Dialogs get their default processing from the dialog manager, not from DefWindowProc.
LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) {
    return 0;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const BOOL focusFirstTabStop = OnInitDialog();
        if (TestScript())
            ::PostMessageW(m_hWnd, kRunTestScript, 0, 0);
        return focusFirstTabStop;
    }
    case kRunTestScript:
        if (TestScript())
            TestScript()(*this);
        return TRUE;
    case WM_COMMAND:
        if (OnCmdMsg(LOWORD(wParam), HIWORD(wParam)))
            return TRUE;
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    default: {
        LRESULT result = 0;
        if (!OnWndMsg(message, wParam, lParam, &result))
            return FALSE;
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hwnd;
    }
    CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;

    INT_PTR handled;
    const CurrentMessage outer = dialog->m_lastMessage;
    dialog->m_lastMessage = {message, wParam, lParam};
    try {
        handled = dialog->DialogProc(message, wParam, lParam);
    } catch (...) {
        ReportEscapedException(hwnd);
        // A dialog that could not be set up is not left half-filled on the screen.
        if (message == WM_INITDIALOG)
            ::EndDialog(hwnd, IDCANCEL);
        handled = TRUE;
    }
    dialog->m_lastMessage = outer;

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
    }
    return handled;
}
