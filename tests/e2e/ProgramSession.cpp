#include "tests/e2e/ProgramSession.h"

#include "tests/support/WindowTesting.h"

std::wstring BuiltProgramPath() {
    return WindowsPathOf(KVIZAR_EXE);
}

void ProgramSession::Start(const std::wstring& exe) {
    const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &process))
        << Narrow(exe);
    robot = new Robot(process.dwProcessId);
    main = robot->WaitForWindow(Wide1250("Kvizar 2004, "), true, nullptr, 30000);
    ASSERT_NE(nullptr, main) << "the main window did not appear";
    pane = GetDlgItem(main, 0xE900);
}

void ProgramSession::TearDown() {
    if (process.hProcess) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    delete robot;
}

void ProgramSession::ClickImageButton(int id) {
    EXPECT_TRUE(WaitUntil([this] { return IsWindowEnabled(main) != FALSE; }))
        << "the main window still takes no input";
    // The program has handled everything before (the window that just closed) and then the
    // pointer's arrival, before the button goes down.
    WaitForInputIdle(process.hProcess, 5000);
    // Two presses at one spot within the double-click time make a double click, which starts a
    // command only once: a user clicking the same button again waits that long too.
    const DWORD sinceLastClick = GetTickCount() - lastClick;
    if (sinceLastClick <= GetDoubleClickTime())
        Sleep(GetDoubleClickTime() - sinceLastClick + 50);
    robot->Hover(GetDlgItem(pane, id));
    WaitForInputIdle(process.hProcess, 5000);
    robot->Press();
    robot->Release();
    lastClick = GetTickCount();
}

void ProgramSession::ExpectCleanEnd() {
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 15000)) << "the program did not end";
    DWORD exitCode = 99;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
}

void ProgramSession::QuitWithButton() {
    ClickImageButton(kQuitButton);
    ExpectCleanEnd();
}

void ProgramSession::ExpectBox(const char* title, const char* text, bool yesNo, HWND owner, int button,
                               HWND except) {
    ShownMessageBox shown;
    ASSERT_TRUE(robot->WaitForMessageBox(Wide1250(title), shown, except));
    if (text) {
        EXPECT_EQ(Narrow(Wide1250(text)), Narrow(shown.text));
    }
    EXPECT_EQ(yesNo, shown.yesNo) << title;
    if (owner) {
        EXPECT_EQ(owner, shown.owner) << "the box \"" << Narrow(shown.text) << "\" has another owner";
    }
    ASSERT_TRUE(robot->Answer(shown, button));
}

::testing::AssertionResult ProgramSession::Shows(HWND dialog, int id, const char* text) {
    const std::wstring shown = WindowText(GetDlgItem(dialog, id));
    if (shown == Wide1250(text))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "control " << id << " shows \"" << Narrow(shown)
                                         << "\", expected \"" << Narrow(Wide1250(text)) << "\"";
}

bool ProgramSession::WaitForText(HWND dialog, int id, const char* text) {
    return WaitUntil([&] { return static_cast<bool>(Shows(dialog, id, text)); });
}

bool ProgramSession::WaitCheck(HWND dialog, int id) {
    return WaitUntil([&] { return IsChecked(dialog, id); });
}

HWND ProgramSession::PickFirstTest(int button, const char* pickerTitle, const char* nextTitle) {
    ClickImageButton(button);
    HWND picker = robot->WaitForWindow(Wide1250(pickerTitle));
    if (picker == nullptr) {
        SaveWindowPicture(nullptr, L"failure-screen.bmp");
        ADD_FAILURE() << "no picker \"" << Narrow(Wide1250(pickerTitle))
                      << "\"; windows: " << robot->DescribeWindows()
                      << " (the screen is in failure-screen.bmp)";
        return nullptr;
    }
    EXPECT_TRUE(Robot::Click(picker, IDOK));
    HWND next = robot->WaitForWindow(Wide1250(nextTitle));
    if (next == nullptr)
        ADD_FAILURE() << "no window \"" << Narrow(Wide1250(nextTitle)) << "\" after the picker";
    return next;
}

bool ProgramSession::WaitForFocus(HWND dialog, int id) {
    return WaitUntil([&] { return Robot::FocusOf(dialog) == GetDlgItem(dialog, id); });
}
