#pragma once
// The main frame as the start-up hook creates it, shown and painted, for the frame's and the
// panel's tests. The frame deletes itself when its window is destroyed.

#include "app/MainFrame.h"
#include "platform/WinApp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

class MainFrameCase : public ::testing::Test {
protected:
    void SetUp() override {
        CMainFrame* frame = new CMainFrame;
        AfxGetApp()->m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
        main = frame->m_hWnd;
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
    }
    void TearDown() override {
        if (IsWindow(main))
            DestroyWindow(main);
        // Closing the main window posts WM_QUIT; take it off the queue for the next test.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND Pane() const { return GetDlgItem(main, AFX_IDW_PANE_FIRST); }

    HWND main = nullptr;
};

// How the message loop ended: whether WM_CLOSE was posted to the main window on the way, as its
// close box does, and the quit message's exit code.
struct Ending {
    bool closePosted = false;
    bool quit = false;
    WPARAM exitCode = 99;
};

// Runs the message loop until it ends, for five seconds at the most.
inline Ending RunUntilQuit(HWND main) {
    Ending ending;
    MSG msg;
    const DWORD start = GetTickCount();
    while (!ending.quit && GetTickCount() - start < 5000) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == main && msg.wParam == 0 && msg.lParam == 0)
            ending.closePosted = true;
        if (msg.message == WM_QUIT) {
            ending.quit = true;
            ending.exitCode = msg.wParam;
        }
        DispatchMessageW(&msg);
    }
    return ending;
}
