#include "platform/Dialog.h"

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

const MessageMap* CDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnClicked(IDOK, &CDialog::OnOK),
        OnClicked(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
    return &map;
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

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
    default: {
        LRESULT result = 0;
        if (!OnWndMsg(message, wParam, lParam, &result))
            return FALSE;
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

LRESULT CDialog::ResultAfterException(UINT message) {
    // A dialog that could not be set up is not left half-filled on the screen.
    if (message == WM_INITDIALOG)
        EndDialog(IDCANCEL);
    return TRUE;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lParam)->Bind(hwnd);
    CDialog* dialog = static_cast<CDialog*>(FromBound(hwnd)); // only dialogs are bound to dialogs
    return dialog ? dialog->GuardedWindowProc(message, wParam, lParam) : FALSE;
}
