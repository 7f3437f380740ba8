#pragma once
// Reading and driving a question sheet from inside its modal loop, for the sheet and workflow
// tests.

#include "platform/Wnd.h"
#include "storage/QuestionRecord.h"
#include "tests/support/Controls.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

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
// Replaces a field's text the way a paste does: UTF-16 text, every character as it is.
void PasteInto(const CWnd& control, const std::wstring& text);

// The refusal of characters that Windows-1250 cannot hold, for π alone and for the emoji U+1F600.
inline const std::wstring kPiRefused = L"Znak „π“ (U+03C0) nelze do testu uložit, protože jej "
                                       L"kódování Windows-1250 neobsahuje. Nahraďte jej prosím jiným znakem.";
inline const std::wstring kEmojiRefused =
    L"Znak „😀“ (U+1F600) nelze do testu uložit, protože "
    L"jej kódování Windows-1250 neobsahuje. Nahraďte jej prosím jiným znakem.";
// That refusal: exactly one box, owned by the dialog, titled "Chyba" with the stop icon.
::testing::AssertionResult OneRefusal(const MessageBoxScript& boxes, HWND dialog, const std::wstring& text);
// After a refusal: the focus in the field, with units start..end of its text selected.
::testing::AssertionResult ExpectSelected(const CWnd& dialog, int id, DWORD start, DWORD end);
