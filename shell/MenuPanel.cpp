#include "shell/MenuPanel.h"

#include "platform/WinApp.h"

BOOL CMenuPanel::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // The frame asks for a border; the panel has none.
    cs.style &= ~WS_BORDER;
    cs.lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, AfxArrowCursor(),
                                       GetSysColorBrush(COLOR_BTNFACE), nullptr);
    return TRUE;
}
