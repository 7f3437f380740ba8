#pragma once
// A test that runs the real program as its own process and drives it with the robot. The program
// is always ended when the test ends, whatever happened.

#include "tests/e2e/Robot.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <string>

class ProgramSession : public ::testing::Test {
protected:
    // The panel's image buttons by control ID.
    static const int kRunButton = 1, kNewButton = 2, kEditButton = 3, kQuitButton = 4;

    void TearDown() override;

    // Starts exe in its own folder and waits for its main window.
    void Start(const std::wstring& exe);
    // Expects the program to end, soon, with exit code 0.
    void ExpectCleanEnd();
    // Clicks "Ukončit" and expects a clean end.
    void QuitWithButton();

    // Clicks one of the panel's buttons once the main window takes input again (a dialog or box
    // that has just closed re-enables it a moment later).
    void ClickImageButton(int id);
    // Clicks an image button, confirms its picker (titled pickerTitle) with the preselected test
    // and returns the window that follows (titled nextTitle), or nullptr after a failure.
    HWND PickFirstTest(int button, const char* pickerTitle, const char* nextTitle);
    // Waits for a message box, checks its text (unless nullptr), kind and owner (unless nullptr),
    // and presses button.
    void ExpectBox(const char* title, const char* text, bool yesNo, HWND owner, int button,
                   HWND except = nullptr);
    // Whether a control shows text (Windows-1250), compared as UTF-16 through the robot's own
    // conversion rather than the program's.
    static ::testing::AssertionResult Shows(HWND dialog, int id, const char* text);
    // Wait, bounded, until a control shows text, a button is checked, or a control has the keyboard
    // focus (the program moves it after a box closes).
    static bool WaitForText(HWND dialog, int id, const char* text);
    static bool WaitCheck(HWND dialog, int id);
    static bool WaitForFocus(HWND dialog, int id);

    PROCESS_INFORMATION process = {};
    Robot* robot = nullptr;
    HWND main = nullptr, pane = nullptr;

private:
    DWORD lastClick = GetTickCount(); // of the last real click on an image button
};

// The build's program, by the path the build gave (Wine sees the Unix root as drive Z:).
std::wstring BuiltProgramPath();
