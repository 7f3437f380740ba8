#pragma once
// Reading and driving a question sheet from inside its modal loop, for the sheet and workflow
// tests.

#include "platform/Wnd.h"
#include "storage/QuestionRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

using SheetTexts = std::array<const char*, kTextFieldCount>; // question, answers 1..4

// What the paging shows: the label's number, the forward button's caption, the backward button.
struct SheetState {
    int number;
    const char* nextCaption;
    bool previousEnabled;
};

::testing::AssertionResult ExpectSheet(const CWnd& sheet, int previousId, const SheetState& expected);
// The five text fields and the checked option (-1 for none) as the controls show them.
::testing::AssertionResult ExpectShown(const CWnd& sheet, const SheetTexts& texts, int option);
::testing::AssertionResult ExpectRecord(const QuestionRecord& record, const SheetTexts& texts, int correct);

// Fills the five fields and checks an option as the user would leave them.
void TypeQuestion(const CWnd& sheet, const SheetTexts& texts, int option);
// Replaces a field's text the way typing does: the control's text limit applies.
void TypeInto(const CWnd& control, const char* text);
// A real click on a button (none when the button is disabled).
void Click(const CWnd& dialog, int id);
// Posts a key to a control and lets the dialog manager handle it, as the modal loop would.
void PressKey(const CWnd& dialog, const CWnd& control, UINT key);
// Runs a step from the dialog's own modal loop once the messages queued now are handled; a
// dialog that has been ended by then never runs it.
void RunLater(const CWnd& dialog, std::function<void()> step);
