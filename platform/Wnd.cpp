#include "platform/Wnd.h"

#include "platform/DataExchange.h"
#include "platform/Exception.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/WinApp.h"

#include <vector>

CWnd::~CWnd() {
    if (m_hWnd && IsWindow(m_hWnd) && FromBound(m_hWnd) == this) {
        // The object goes first: the window must not call back into it while it is destroyed.
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, void* context) {
    return CreateEx(0, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), context);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, void*) {
    CREATESTRUCTA cs = {};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs))
        return FALSE;
    const HWND hwnd =
        CreateWindowExW(cs.dwExStyle, ToWide(cs.lpszClass).c_str(), ToWide(cs.lpszName).c_str(), cs.style,
                        cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this);
    return hwnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, AfxArrowCursor());
    return TRUE;
}

void CWnd::SetWindowTextA(const char* text) {
    SetWindowTextW(m_hWnd, ToWide(text).c_str());
}

CString CWnd::GetWindowTextA() const {
    const std::wstring text = GetWindowTextW();
    return FromWide(text.c_str(), static_cast<int>(text.size()));
}

std::wstring CWnd::GetWindowTextW() const {
    // WM_GETTEXT rather than GetWindowText, which does not read another process's controls.
    const int length = static_cast<int>(::SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = static_cast<int>(
        ::SendMessageW(m_hWnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

void CWnd::SetDlgItemTextA(int id, const char* text) {
    GetDlgItem(id).SetWindowTextA(text);
}

CString CWnd::GetDlgItemTextA(int id) const {
    return GetDlgItem(id).GetWindowTextA();
}

void CWnd::SetDlgItemInt(int id, int value, BOOL isSigned) {
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

BOOL CWnd::PostMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBoxA(const char* text, const char* title, UINT type) {
    return ShowMessageBox(m_hWnd, text, title, type);
}

HWND CWnd::GetSafeOwner(HWND parent) {
    HWND owner = parent;
    if (owner == nullptr) {
        const CWinThread* thread = AfxGetThread();
        const CWnd* main = thread ? thread->GetMainWnd() : nullptr;
        owner = main ? main->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (owner && (GetWindowLongW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    if (parent == nullptr && owner)
        owner = GetLastActivePopup(owner);
    return owner;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE; // the refused control has been reported and has the focus
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

const MessageMap* CWnd::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_NCDESTROY, &CWnd::OnNcDestroy),
    };
    static const MessageMap map = MakeMessageMap(nullptr, entries);
    return &map;
}

LRESULT CWnd::OnNcDestroy(WPARAM, LPARAM) {
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) {
        // Closing the main window ends the message loop and the program.
        thread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    const LRESULT result = Default();
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    PostNcDestroy(); // last: a frame deletes itself here
    return result;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND && OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) {
        *result = 0;
        return true;
    }
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == message && entry.onMessage) {
                *result = (this->*entry.onMessage)(wParam, lParam);
                return true;
            }
        }
    }
    return false;
}

BOOL CWnd::OnCmdMsg(UINT id, UINT code) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message == WM_COMMAND && entry.onCommand && entry.controlId == id &&
                entry.code == code) {
                (this->*entry.onCommand)();
                return TRUE;
            }
        }
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& current = AfxGetThread()->m_lastSentMsg;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

CWnd* CWnd::FromBound(HWND hwnd) {
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void CWnd::Bind(HWND hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_hWnd = hwnd;
}

LRESULT CWnd::GuardedWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Only the thread and locals are touched after the handler: it may have deleted this object.
    MSG& current = AfxGetThread()->m_lastSentMsg;
    const MSG outer = current;
    const HWND hwnd = m_hWnd;
    current = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        ReportEscapedException(hwnd);
        result = ResultAfterException(message);
    }
    current = outer;
    return result;
}

LRESULT CWnd::ResultAfterException(UINT message) {
    return message == WM_CREATE ? -1 : (message == WM_NCCREATE ? FALSE : 0);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromBound(hwnd);
    if (message == WM_NCCREATE && wnd == nullptr) {
        wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (wnd)
            wnd->Bind(hwnd);
    }
    if (wnd == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return wnd->GuardedWindowProc(message, wParam, lParam);
}
