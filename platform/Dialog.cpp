#include "platform/Dialog.h"

#include "platform/Text.h"
#include "platform/WinApp.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

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

// A DIALOGEX template's header, up to its font's typeface (the program's templates are all
// DIALOGEX with a FONT). Offsets in bytes from the template's start.
struct ExtendedTemplate {
    const BYTE* data;
    size_t size;
    size_t pointSize; // the font's point size; its weight, italic and charset follow
    size_t typeface;  // the typeface's NUL-terminated UTF-16 name
    size_t firstItem; // the first control, on a DWORD boundary after the typeface
};

// Steps over a menu or class field: none (0), an ordinal (0xFFFF and a number) or a string.
size_t SkipNameOrOrdinal(const BYTE* data, size_t at) {
    WORD first;
    std::memcpy(&first, data + at, sizeof first);
    if (first == 0xFFFF)
        return at + 2 * sizeof(WORD);
    return at + (std::wcslen(reinterpret_cast<const wchar_t*>(data + at)) + 1) * sizeof(wchar_t);
}

size_t ToDword(size_t at) {
    return (at + 3) & ~size_t(3);
}

// Reads the template's layout; false where it is no DIALOGEX with a font of its own.
bool ReadExtendedTemplate(const BYTE* data, size_t size, ExtendedTemplate& t) {
    WORD version, signature;
    DWORD style;
    if (size < 26)
        return false;
    std::memcpy(&version, data, sizeof version);
    std::memcpy(&signature, data + 2, sizeof signature);
    std::memcpy(&style, data + 12, sizeof style);
    if (version != 1 || signature != 0xFFFF || !(style & DS_SETFONT))
        return false;
    size_t at = SkipNameOrOrdinal(data, 26); // past the counts, position and size: the menu
    at = SkipNameOrOrdinal(data, at);        // the class
    at += (std::wcslen(reinterpret_cast<const wchar_t*>(data + at)) + 1) * sizeof(wchar_t); // title
    t = {data, size, at, at + 6, 0};
    t.firstItem =
        ToDword(t.typeface +
                (std::wcslen(reinterpret_cast<const wchar_t*>(data + t.typeface)) + 1) * sizeof(wchar_t));
    return true;
}

// A copy of the template in another typeface. The controls follow on a DWORD boundary, as in
// the original, so their own alignment holds in the copy too.
std::vector<BYTE> WithTypeface(const ExtendedTemplate& t, const wchar_t* face) {
    std::vector<BYTE> copy(t.data, t.data + t.typeface);
    const BYTE* name = reinterpret_cast<const BYTE*>(face);
    copy.insert(copy.end(), name, name + (std::wcslen(face) + 1) * sizeof(wchar_t));
    copy.resize(ToDword(copy.size()), 0);
    copy.insert(copy.end(), t.data + std::min(t.firstItem, t.size), t.data + t.size);
    return copy;
}

// Where the template's font falls short of its height at the screen's resolution, a copy in the
// stand-in's face, which the dialog manager makes at that height: the dialog and its controls
// then grow with the scale. Empty where the template does as it is.
std::vector<BYTE> ScaledTemplate(HINSTANCE instance, UINT templateId) {
    const HRSRC found =
        FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5)); // RT_DIALOG
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    ExtendedTemplate t;
    if (data == nullptr || !ReadExtendedTemplate(data, SizeofResource(instance, found), t))
        return {};
    WORD pointSize;
    std::memcpy(&pointSize, data + t.pointSize, sizeof pointSize);
    CFont design;
    design.CreatePointFont(pointSize * 10, FromWide(reinterpret_cast<const wchar_t*>(data + t.typeface)));
    if (!design.FallsShortOfItsHeight())
        return {};
    return WithTypeface(t, CFont::kStandInFace);
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
    const HINSTANCE instance = AfxGetInstanceHandle();
    const std::vector<BYTE> scaled = ScaledTemplate(instance, m_templateId);
    if (!scaled.empty())
        return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(scaled.data()), owner,
                                       StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(m_templateId), owner, StaticDialogProc,
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

// The dialog itself keeps the template's font (or its copy's, DoModal), whose units set its size
// and its controls' places. The stand-in has the same height but can be wider (Tahoma is, by up to
// a tenth on Czech labels), so a label it would wrap grows to the right; so does one that a copy
// of the template in the stand-in's face would wrap, since the labels were sized for "MS Sans
// Serif". Where the template's own font draws them, they fit and stay as they are.
void CDialog::UseCzechFont() {
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const bool standIn = m_czechFont.CreateCzechStandIn(font);
    if (standIn)
        font = m_czechFont;
    for (HWND control = ::GetWindow(m_hWnd, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (standIn)
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        WidenLabelToFit(control, font);
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
