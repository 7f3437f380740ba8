#include "platform/Dialog.h"

#include "platform/WinApp.h"

namespace {
// Posted after WM_INITDIALOG when a test script is set.
const UINT kRunTestScript = WM_APP + 0x3F00;

CDialog::Script& TestScript() {
    static CDialog::Script script; // test seam only; empty in the program
    return script;
}

// A left-aligned label that its text in font would wrap grows to the right until the text fits
// on its line. It keeps its place, and so does every other control.
void WidenLabelToFit(HWND control, HFONT font) {
    wchar_t className[8] = {};
    GetClassNameW(control, className, 8);
    if (lstrcmpiW(className, L"Static") != 0 || (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_LEFT)
        return;
    const std::wstring text = CWnd(control).GetWindowTextW();
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT needed = {};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    RECT client, outer;
    GetClientRect(control, &client);
    if (needed.right <= client.right)
        return;
    GetWindowRect(control, &outer);
    SetWindowPos(control, nullptr, 0, 0, outer.right - outer.left + needed.right - client.right,
                 outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        UseCzechFont(); // first: OnInitDialog may give a control a font of its own
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

// The dialog itself keeps the template's font, whose units set its size and its controls'
// places: those of a Czech system. The stand-in has the same height but can be wider (Tahoma
// is, by up to a tenth on Czech labels), so a label it would wrap grows to the right.
void CDialog::UseCzechFont() {
    if (!m_czechFont.CreateCzechStandIn(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))))
        return;
    for (HWND control = ::GetWindow(m_hWnd, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_czechFont.m_hObject), FALSE);
        WidenLabelToFit(control, m_czechFont);
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
