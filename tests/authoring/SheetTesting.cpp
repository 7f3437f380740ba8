#include "tests/authoring/SheetTesting.h"

#include "platform/Text.h"
#include "res/resource.h"
#include "tests/support/SheetFields.h"

#include <string>

namespace {
int CheckedOption(const CWnd& sheet) {
    int checked = -1;
    for (int i = 0; i < 4; ++i) {
        if (IsChecked(sheet, IDC_OPTION1 + i))
            checked = checked == -1 ? i : -2; // -2: more than one
    }
    return checked;
}
} // namespace

::testing::AssertionResult ExpectSheet(const CWnd& sheet, int previousId, const SheetState& expected) {
    CString label;
    label.Format("Otázka č. %d", expected.number);
    const CString shownLabel = sheet.GetDlgItemTextA(IDC_QUESTION_LABEL);
    const CString caption = sheet.GetDlgItemTextA(IDC_NEXT);
    const bool previousEnabled = IsWindowEnabled(sheet.GetDlgItem(previousId)) != FALSE;
    if (shownLabel != label || caption != expected.nextCaption ||
        previousEnabled != expected.previousEnabled || !IsWindowEnabled(sheet.GetDlgItem(IDC_NEXT)))
        return ::testing::AssertionFailure()
               << "label \"" << shownLabel.GetString() << "\", forward \"" << caption.GetString()
               << "\", backward " << (previousEnabled ? "enabled" : "disabled") << "; expected \""
               << label.GetString() << "\", \"" << expected.nextCaption << "\", "
               << (expected.previousEnabled ? "enabled" : "disabled");
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ExpectShown(const CWnd& sheet, const SheetTexts& texts, int option) {
    for (int i = 0; i < kTextFieldCount; ++i) {
        const CString shown = sheet.GetDlgItemTextA(kSheetFields[i]);
        if (shown != texts[i])
            return ::testing::AssertionFailure() << "field " << i << " shows \"" << shown.GetString()
                                                 << "\", expected \"" << texts[i] << "\"";
    }
    const int checked = CheckedOption(sheet);
    if (checked != option)
        return ::testing::AssertionFailure() << "option " << checked << " checked, expected " << option;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ExpectRecord(const QuestionRecord& record, const SheetTexts& texts, int correct) {
    for (int i = 0; i < kTextFieldCount; ++i) {
        if (std::string(record.text[i]) != texts[i])
            return ::testing::AssertionFailure()
                   << "field " << i << " holds \"" << record.text[i] << "\", expected \"" << texts[i] << "\"";
    }
    if (record.correct != correct)
        return ::testing::AssertionFailure()
               << "correct index " << record.correct << ", expected " << correct;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TypeQuestion(const CWnd& sheet, const SheetTexts& texts, int option) {
    for (int i = 0; i < kTextFieldCount; ++i)
        TypeInto(sheet.GetDlgItem(kSheetFields[i]), texts[i]);
    return Click(sheet, IDC_OPTION1 + option);
}

void TypeInto(const CWnd& control, const char* text) {
    SendMessageW(control, EM_SETSEL, 0, -1);
    SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
}

void PasteInto(const CWnd& control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

::testing::AssertionResult OneRefusal(const MessageBoxScript& boxes, HWND dialog, const std::wstring& text) {
    ::testing::AssertionResult one = OneBox(boxes, text, "Chyba", MB_OK | MB_ICONSTOP);
    if (one && boxes.Shown()[0].owner != dialog)
        return ::testing::AssertionFailure() << "the box is not owned by the dialog";
    return one;
}

::testing::AssertionResult ExpectSelected(const CWnd& dialog, int id, DWORD start, DWORD end) {
    const HWND field = dialog.GetDlgItem(id);
    if (GetFocus() != field)
        return ::testing::AssertionFailure() << "the focus is not in field " << id;
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    if (selStart != start || selEnd != end)
        return ::testing::AssertionFailure() << "field " << id << " has " << selStart << ".." << selEnd
                                             << " selected, expected " << start << ".." << end;
    return ::testing::AssertionSuccess();
}
