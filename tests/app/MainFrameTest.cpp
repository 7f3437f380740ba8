#include "tests/app/MainFrameCase.h"

#include <gtest/gtest.h>

namespace {
class MainFrame : public MainFrameCase {
protected:
    void ExpectPaneCoversClientArea() {
        RECT client, pane;
        GetClientRect(main, &client);
        GetWindowRect(Pane(), &pane);
        MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&pane), 2);
        EXPECT_EQ(0, pane.left);
        EXPECT_EQ(0, pane.top);
        EXPECT_EQ(client.right, pane.right);
        EXPECT_EQ(client.bottom, pane.bottom);
    }
};

TEST_F(MainFrame, HasAFixedSizeCaptionWithoutMenuOrClientEdge) {
    const DWORD style = GetWindowLongW(main, GWL_STYLE);
    const DWORD asked = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;
    const DWORD never = WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP;
    EXPECT_EQ(asked, style & asked);
    EXPECT_EQ(0u, style & never);
    EXPECT_EQ(0u, GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(nullptr, GetMenu(main)) << "the menu resource is loaded but never shown";

    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(300, outer.right - outer.left);
    EXPECT_EQ(400, outer.bottom - outer.top);

    wchar_t caption[128] = {};
    GetWindowTextW(main, caption, 128);
    EXPECT_EQ(0, wcsncmp(caption, L"Kvizar 2004, ", 13)) << caption;
}

TEST_F(MainFrame, ItsClassHasNoStyleCursorBrushOrIcon) {
    EXPECT_EQ(0u, GetClassLongW(main, GCL_STYLE));
    EXPECT_EQ(0u, GetClassLongPtrW(main, GCLP_HCURSOR));
    EXPECT_EQ(0u, GetClassLongPtrW(main, GCLP_HBRBACKGROUND));
    EXPECT_EQ(0u, GetClassLongPtrW(main, GCLP_HICON));
}

TEST_F(MainFrame, ThePanelCoversTheClientAreaAlsoAfterAResize) {
    ASSERT_NE(nullptr, Pane());
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, GetWindowLongW(Pane(), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER));
    ExpectPaneCoversClientArea();

    SetWindowPos(main, nullptr, 0, 0, 420, 333, SWP_NOMOVE | SWP_NOZORDER);
    ExpectPaneCoversClientArea();
    RECT client;
    GetClientRect(main, &client);
    EXPECT_GT(client.right, 300);
}

TEST_F(MainFrame, FocusGivenToTheFrameEndsUpInThePanel) {
    SetForegroundWindow(main);
    SetFocus(main);
    EXPECT_EQ(Pane(), GetFocus());
}

TEST_F(MainFrame, ClosingItEndsTheMessageLoop) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(RunUntilQuit(main).quit);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(nullptr, AfxGetApp()->m_pMainWnd);
}
} // namespace
