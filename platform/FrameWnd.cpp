#include "platform/FrameWnd.h"

#include "platform/WinApp.h"

CFrameWnd::~CFrameWnd() {
    if (m_menu)
        DestroyMenu(m_menu);
}

const MessageMap* CFrameWnd::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_SIZE, &CFrameWnd::OnSize),
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
    return &map;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, void* context) {
    const HINSTANCE instance = AfxGetInstanceHandle();
    m_menu = LoadMenuW(instance, MAKEINTRESOURCEW(resourceId));
    m_icon = LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
    return CreateEx(0, nullptr, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    parent ? parent->m_hWnd : nullptr, m_menu, context);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, AfxArrowCursor(),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), m_icon);
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

void CFrameWnd::RecalcLayout() {
    const HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (pane == nullptr)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    MoveWindow(pane, 0, 0, client.right, client.bottom, TRUE);
}

LRESULT CFrameWnd::OnSize(WPARAM wParam, LPARAM) {
    if (wParam != SIZE_MINIMIZED)
        RecalcLayout();
    return 0;
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}
