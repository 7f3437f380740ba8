#pragma once
// Answers the program's message boxes in a test: records each box and presses the next queued
// button. A box nobody expected (no answer queued) fails the test.

#include "platform/String.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct ShownBox {
    HWND owner;
    CString text;           // as program text: characters outside Windows-1250 become '?'
    std::wstring shownText; // as the box shows it, a path's every character included
    CString title;
    UINT type;
};

class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // Queues the button to press for the next box (IDOK, IDYES, IDNO).
    MessageBoxScript& Then(int button);

    const std::vector<ShownBox>& Shown() const { return m_shown; }

private:
    int Answer(HWND owner, const std::wstring& text, const CString& title, UINT type);

    std::deque<int> m_answers;
    std::vector<ShownBox> m_shown;
};

// Installed by the test main when no script is active: any box fails the running test.
void FailOnAnyMessageBox();

// Exactly one message box was shown, with this text, title and type.
::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const CString& text, const char* title,
                                  UINT type);
// The same for a text that is not program text alone, such as one that names a path.
::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const std::wstring& text, const char* title,
                                  UINT type);
