#pragma once
// A dialog's controls read and used as a user would, by the dialog tests inside their own modal
// loop and by the robot in the program's process alike: messages are sent with a bound, so the
// same helpers serve windows of this thread and of another process.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

// A message sent with a bound on the wait; 0 when the window does not answer.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Sent WM_GETTEXT: GetWindowText does not read another process's controls.
std::wstring WindowText(HWND window);
// A control's text in Windows-1250, as the program's own texts are written.
std::string Text(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

// Succeeds when the dialog has the button and a user could press it: a click that no user could
// give fails the test instead of being skipped.
::testing::AssertionResult CanPress(HWND dialog, int id);
// A click on a dialog's button, handled when this returns.
[[nodiscard]] ::testing::AssertionResult Click(HWND dialog, int id);
// A key as the dialog's modal loop hands it to the dialog manager: down, to the focused control.
void PressKey(HWND dialog, WPARAM key);
// Runs a step from the dialog's own modal loop once the messages queued now are handled (a timer
// fires only when the queue holds nothing else); a dialog that has ended by then never runs it.
void RunLater(HWND dialog, std::function<void()> step);
