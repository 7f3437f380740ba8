#pragma once
// Reading and driving a question sheet from inside its modal loop, for the sheet and workflow
// tests.

#include "platform/Wnd.h"
#include "storage/QuestionRecord.h"
#include "tests/support/Controls.h"

#include <gtest/gtest.h>

#include <array>

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
[[nodiscard]] ::testing::AssertionResult TypeQuestion(const CWnd& sheet, const SheetTexts& texts, int option);
// Replaces a field's text the way typing does: the control's text limit applies.
void TypeInto(const CWnd& control, const char* text);
