#include "app/MainFrame.h"

#include "platform/Rect.h"
#include "platform/ScreenScale.h"
#include "platform/WinApp.h"

const char kBannerText[] = "Kvizar 2004, vydáno 7. 12. 2026";

namespace {
// No thick frame and no maximise box, so the window can neither be resized nor maximised.
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;
static_assert(kFrameStyle == 0x00CA8000, "the frame's style");
// The outer size at 96 DPI, scaled for the screen: the client area is what remains inside the
// caption and the border, which grow by other rules.
const int kFrameWidth = 300;
const int kFrameHeight = 400;
} // namespace

const MessageMap* CMainFrame::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_CREATE, &CMainFrame::OnCreate),
        OnMessage(WM_SETFOCUS, &CMainFrame::OnSetFocus),
    };
    static const MessageMap map = MakeMessageMap(CFrameWnd::GetMessageMap(), entries);
    return &map;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // This style replaces whatever the frame was loaded with.
    cs.style = kFrameStyle;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    cs.cx = ScaleToScreen(kFrameWidth);
    cs.cy = ScaleToScreen(kFrameHeight);
    return TRUE;
}

// Drops the menu, sets the caption and creates the panel over the client area.
LRESULT CMainFrame::OnCreate(WPARAM, LPARAM) {
    if (Default() == -1)
        return -1;
    // The frame is loaded with its menu as every frame is; this window shows no menu bar.
    SetMenu(nullptr);
    SetWindowTextA(kBannerText);
    const BOOL created = m_panel.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0),
                                        this, AFX_IDW_PANE_FIRST);
    return created ? 0 : -1;
}

LRESULT CMainFrame::OnSetFocus(WPARAM, LPARAM) {
    m_panel.SetFocus();
    return 0;
}

BOOL CMainFrame::OnCmdMsg(UINT id, UINT code) {
    if (m_panel.OnCmdMsg(id, code))
        return TRUE;
    return CFrameWnd::OnCmdMsg(id, code);
}
