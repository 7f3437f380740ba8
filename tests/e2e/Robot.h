#pragma once
// A robot that uses the real program from outside, as a user does: it finds windows by title,
// reads and types into controls, clicks the image buttons with real mouse input and answers real
// message boxes. Every wait is bounded. Controls are read with the tests' own helpers
// (tests/support/Controls.h), which serve another process's windows too.

#include "tests/support/Controls.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ShownMessageBox {
    HWND box = nullptr;
    std::wstring text;
    HWND owner = nullptr;
    bool yesNo = false; // Yes and No buttons, else a single OK
};

class Robot {
public:
    explicit Robot(DWORD processId) : m_processId(processId) {}

    // A visible top-level window of the program whose title is exactly title (or starts with it),
    // other than except.
    HWND WaitForWindow(const std::wstring& title, bool prefix = false, HWND except = nullptr,
                       DWORD timeoutMs = 10000) const;
    // True once no visible window of the program has that title.
    bool WaitUntilGone(const std::wstring& title, DWORD timeoutMs = 10000) const;
    // A message box; except skips a window of the same title (a dialog titled like its box).
    ::testing::AssertionResult WaitForMessageBox(const std::wstring& title, ShownMessageBox& shown,
                                                 HWND except = nullptr) const;
    // Presses a message box's button (IDOK, IDYES, IDNO) and waits until the box is gone.
    ::testing::AssertionResult Answer(const ShownMessageBox& shown, int button) const;

    // Moves the real mouse pointer over the middle of a window.
    void Hover(HWND window) const;
    // The left mouse button alone, wherever the pointer is.
    void Press() const;
    void Release() const;

    // The text of a list entry of the other process.
    static std::wstring ListEntry(HWND list, int index);
    static void Type(HWND dialog, int id, const std::wstring& text);
    // Clicks a dialog's push or radio button as Click does, but posted, so that a modal box that
    // the click opens does not hold the robot.
    [[nodiscard]] static ::testing::AssertionResult Click(HWND dialog, int id);
    // The control that has the keyboard focus in the program's active window.
    static HWND FocusOf(HWND window);
    // The program's visible top-level windows and their titles, for a failure message.
    std::string DescribeWindows() const;

private:
    std::vector<HWND> VisibleWindows() const;

    DWORD m_processId;
};

// UTF-8 for failure messages.
std::string Narrow(const std::wstring& text);
// The robot's texts are Windows-1250 literals like the program's; typed as UTF-16.
std::wstring Wide1250(const char* text);

// Copies a window (nullptr: the whole screen) as the screen shows it into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::wstring& path);
