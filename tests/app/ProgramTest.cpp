// The real program, started as a user starts it.

#include "app/MainFrame.h"
#include "platform/Text.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The program's own main window once it is shown: other test exes may show frames with the same
// caption meanwhile, and the window exists a moment before it is shown.
HWND WaitForShownWindow(const std::wstring& caption, DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND hwnd = FindWindowW(nullptr, caption.c_str()); hwnd;
             hwnd = FindWindowExW(nullptr, hwnd, nullptr, caption.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == processId && IsWindowVisible(hwnd))
                return hwnd;
        }
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

TEST(Program, StartsShowsItsMainWindowAndEndsCleanlyWhenClosed) {
    std::wstring commandLine = L"\"" + WindowsPathOf(KVIZAR_EXE) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << GetLastError();

    const HWND main = WaitForShownWindow(ToWide(kBannerText), process.dwProcessId, 20000);
    EXPECT_NE(nullptr, main) << "no main window was shown";
    if (main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    EXPECT_EQ(WAIT_OBJECT_0, waited);
    DWORD exitCode = 99;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
} // namespace
