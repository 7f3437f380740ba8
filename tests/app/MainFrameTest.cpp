#include "app/MainFrame.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

namespace {
// A main frame created the way the start-up hook creates it; it deletes itself when destroyed.
class MainFrame : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CMainFrame;
        AfxGetApp()->m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
        hwnd = frame->m_hWnd;
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
    }
    void TearDown() override {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
        // Closing the main window posts WM_QUIT; take it off the queue for the next test.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND Pane() const { return GetDlgItem(hwnd, AFX_IDW_PANE_FIRST); }

    void ExpectPaneCoversClientArea() {
        RECT client, pane;
        GetClientRect(hwnd, &client);
        GetWindowRect(Pane(), &pane);
        MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&pane), 2);
        EXPECT_EQ(0, pane.left);
        EXPECT_EQ(0, pane.top);
        EXPECT_EQ(client.right, pane.right);
        EXPECT_EQ(client.bottom, pane.bottom);
    }

    CMainFrame* frame = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(MainFrame, HasAFixedSizeCaptionWithoutMenuOrClientEdge) {
    const DWORD style = GetWindowLongW(hwnd, GWL_STYLE);
    const DWORD asked = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;
    const DWORD never = WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP;
    EXPECT_EQ(asked, style & asked);
    EXPECT_EQ(0u, style & never);
    EXPECT_EQ(0u, GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(nullptr, GetMenu(hwnd)) << "the menu resource is loaded but never shown";

    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(300, outer.right - outer.left);
    EXPECT_EQ(400, outer.bottom - outer.top);

    wchar_t caption[128] = {};
    GetWindowTextW(hwnd, caption, 128);
    EXPECT_EQ(0, wcsncmp(caption, L"Kvizar 2004, ", 13)) << caption;
}

TEST_F(MainFrame, ItsClassHasNoStyleCursorBrushOrIcon) {
    EXPECT_EQ(0u, GetClassLongW(hwnd, GCL_STYLE));
    EXPECT_EQ(0u, GetClassLongW(hwnd, GCL_HCURSOR));
    EXPECT_EQ(0u, GetClassLongW(hwnd, GCL_HBRBACKGROUND));
    EXPECT_EQ(0u, GetClassLongW(hwnd, GCL_HICON));
}

TEST_F(MainFrame, ThePanelCoversTheClientAreaAlsoAfterAResize) {
    ASSERT_NE(nullptr, Pane());
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, GetWindowLongW(Pane(), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER));
    ExpectPaneCoversClientArea();

    SetWindowPos(hwnd, nullptr, 0, 0, 420, 333, SWP_NOMOVE | SWP_NOZORDER);
    ExpectPaneCoversClientArea();
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_GT(client.right, 300);
}

TEST_F(MainFrame, FocusGivenToTheFrameEndsUpInThePanel) {
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    EXPECT_EQ(Pane(), GetFocus());
}

TEST_F(MainFrame, ClosingItEndsTheMessageLoop) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    bool quit = false;
    const DWORD start = GetTickCount();
    while (!quit && GetTickCount() - start < 5000) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        quit = msg.message == WM_QUIT;
        DispatchMessageW(&msg);
    }
    EXPECT_TRUE(quit);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(nullptr, AfxGetApp()->m_pMainWnd);
}
} // namespace
