// Both question sheets driven as real modal dialogs: paging, storing, cancelling, the keys and
// the focus, and the bound of the record fields.

#include "authoring/CreateQuestionsDlg.h"
#include "authoring/EditQuestionsDlg.h"
#include "res/resource.h"
#include "tests/authoring/SheetTesting.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/SheetFields.h"
#include "tests/support/TestFileSamples.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {
struct SheetCase {
    const char* name;
    UINT templateId;
    int previousId;
    const char* cancelText;
    const char* cancelTitle;
};

void PrintTo(const SheetCase& sheet, std::ostream* os) {
    *os << sheet.name;
}

const SheetCase kSheets[] = {
    {"Create", IDD_CREATE_QUESTIONS, IDC_PREVIOUS_CREATE, "Opravdu chcete ukončit tvorbu testu?",
     "Návrh nového testu"},
    {"Edit", IDD_EDIT_QUESTIONS, IDC_PREVIOUS_EDIT, "Opravdu chcete ukončit editaci testu?", "Editace testu"},
};

std::vector<QuestionRecord> FreshRecords(int count) {
    return std::vector<QuestionRecord>(static_cast<size_t>(count)); // value-initialised: all zero
}

// Runs either sheet, as the workflows do: members set, then DoModal.
INT_PTR RunSheet(UINT templateId, QuestionRecord* records, int32_t count,
                 const std::function<void(CQuestionSheetDlg&)>& script) {
    CDialog::SetTestScript([&](CDialog& d) { script(static_cast<CQuestionSheetDlg&>(d)); });
    if (templateId == IDD_CREATE_QUESTIONS) {
        CCreateQuestionsDlg sheet;
        sheet.m_questions = records;
        sheet.m_count = count;
        return sheet.DoModal();
    }
    CEditQuestionsDlg sheet;
    sheet.m_questions = records;
    sheet.m_count = count;
    return sheet.DoModal();
}

class QuestionSheet : public ::testing::TestWithParam<SheetCase> {
protected:
    void TearDown() override { CDialog::SetTestScript(nullptr); }

    // Runs the sheet of this case modally on the records; the script drives it from inside.
    INT_PTR Run(std::vector<QuestionRecord>& records, const std::function<void(CQuestionSheetDlg&)>& script) {
        return RunSheet(GetParam().templateId, records.data(), static_cast<int32_t>(records.size()), script);
    }

    int Previous() const { return GetParam().previousId; }
};

// One question, one click: "Dokončit" stores the question and ends with OK, leaving the label and
// the focus as they were.
TEST_P(QuestionSheet, WithOneQuestionDokoncitStoresAndEnds) {
    auto records = FreshRecords(1);
    const int previous = Previous();
    const INT_PTR result = Run(records, [previous](CQuestionSheetDlg& d) {
        EXPECT_TRUE(ExpectSheet(d, previous, {1, "Dokončit", false}));
        EXPECT_TRUE(TypeQuestion(d, {"Kolik je 2+2?", "3", "4", "5", "22"}, 1));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_STREQ("Otázka č. 1", d.GetDlgItemTextA(IDC_QUESTION_LABEL));
        EXPECT_NE(d.GetDlgItem(IDC_QUESTION).m_hWnd, GetFocus()) << "no show step after the last question";
        EXPECT_EQ(1, d.m_current);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(ExpectRecord(records[0], {"Kolik je 2+2?", "3", "4", "5", "22"}, 1));
}

// The paging rows of the state table, for several counts: what each click leaves on the screen.
struct PagingCase {
    int count;
    std::vector<int> clicks; // IDC_NEXT or 0 for the backward button
    std::vector<SheetState> after;
};

TEST_P(QuestionSheet, PagingFollowsTheStateTable) {
    const PagingCase cases[] = {
        {2, {IDC_NEXT, 0}, {{2, "Dokončit", true}, {1, "Další otázka...", false}}},
        {3,
         {IDC_NEXT, IDC_NEXT, 0, 0, IDC_NEXT},
         {{2, "Další otázka...", true},
          {3, "Dokončit", true},
          {2, "Další otázka...", true},
          {1, "Další otázka...", false},
          {2, "Další otázka...", true}}},
    };
    for (const PagingCase& c : cases) {
        SCOPED_TRACE(c.count);
        auto records = FreshRecords(c.count);
        const int previous = Previous();
        const INT_PTR result = Run(records, [&c, previous](CQuestionSheetDlg& d) {
            EXPECT_TRUE(ExpectSheet(d, previous, {1, "Další otázka...", false}));
            // The button is disabled; a click that reaches the sheet anyway must not step back.
            d.SendMessage(WM_COMMAND, MAKEWPARAM(previous, BN_CLICKED),
                          (LPARAM)d.GetDlgItem(previous).m_hWnd);
            EXPECT_TRUE(ExpectSheet(d, previous, {1, "Další otázka...", false}));
            for (size_t i = 0; i < c.clicks.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_TRUE(Click(d, c.clicks[i] ? c.clicks[i] : previous));
                EXPECT_TRUE(ExpectSheet(d, previous, c.after[i]));
                EXPECT_EQ(d.GetDlgItem(IDC_QUESTION).m_hWnd, GetFocus()) << "paging focuses the question";
            }
            while (d.m_current < c.count)
                EXPECT_TRUE(Click(d, IDC_NEXT));
        });
        EXPECT_EQ(IDOK, result);
    }
}

// Leaving a question stores it, so input survives paging away and back; the last one is stored by
// "Dokončit" itself.
TEST_P(QuestionSheet, InputSurvivesPaging) {
    auto records = FreshRecords(3);
    const int previous = Previous();
    const INT_PTR result = Run(records, [previous](CQuestionSheetDlg& d) {
        EXPECT_TRUE(TypeQuestion(d, {"Hlavní město?", "Praha", "Brno", "Ostrava", "Plzeň"}, 0));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(ExpectShown(d, {"", "", "", "", ""}, 0));
        EXPECT_TRUE(TypeQuestion(d, {"Žluťoučký kůň", "úpěl", "ďábelské", "ódy", "ěščřžýáíé"}, 3));
        EXPECT_TRUE(Click(d, previous));
        EXPECT_TRUE(ExpectShown(d, {"Hlavní město?", "Praha", "Brno", "Ostrava", "Plzeň"}, 0));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(ExpectShown(d, {"Žluťoučký kůň", "úpěl", "ďábelské", "ódy", "ěščřžýáíé"}, 3));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(TypeQuestion(d, {"Poslední", "a", "b", "c", "d"}, 2));
        EXPECT_TRUE(Click(d, IDC_NEXT));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(ExpectRecord(records[0], {"Hlavní město?", "Praha", "Brno", "Ostrava", "Plzeň"}, 0));
    EXPECT_TRUE(ExpectRecord(records[1], {"Žluťoučký kůň", "úpěl", "ďábelské", "ódy", "ěščřžýáíé"}, 3));
    EXPECT_TRUE(ExpectRecord(records[2], {"Poslední", "a", "b", "c", "d"}, 2));
}

// No keeps the question, its unstored input and the label; Yes ends with Cancel and stores
// nothing, from "Storno", the Escape key and the close box alike.
TEST_P(QuestionSheet, CancelAsksAndOnlyYesEndsWithoutStoring) {
    enum Way { StornoButton, EscapeKey, CloseBox };
    for (Way way : {StornoButton, EscapeKey, CloseBox}) {
        SCOPED_TRACE(way);
        MessageBoxScript boxes;
        boxes.Then(IDNO).Then(IDYES);
        auto records = FreshRecords(2);
        HWND sheet = nullptr;
        const int previous = Previous();
        const INT_PTR result = Run(records, [&](CQuestionSheetDlg& d) {
            sheet = d.m_hWnd;
            EXPECT_TRUE(TypeQuestion(d, {"první", "a", "b", "c", "d"}, 2));
            EXPECT_TRUE(Click(d, IDC_NEXT));
            EXPECT_TRUE(TypeQuestion(d, {"neuložená", "e", "f", "g", "h"}, 1));
            const auto cancel = [&] {
                if (way == StornoButton)
                    EXPECT_TRUE(Click(d, IDCANCEL));
                else if (way == EscapeKey)
                    PressKey(d, VK_ESCAPE);
                else
                    d.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
            };
            cancel();
            EXPECT_TRUE(ExpectSheet(d, previous, {2, "Dokončit", true}));
            EXPECT_TRUE(ExpectShown(d, {"neuložená", "e", "f", "g", "h"}, 1));
            EXPECT_STREQ("", records[1].text[FieldQuestion]) << "No stores nothing";
            cancel();
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_TRUE(ExpectRecord(records[0], {"první", "a", "b", "c", "d"}, 2)) << "left by paging";
        EXPECT_TRUE(ExpectRecord(records[1], {"", "", "", "", ""}, 0)) << "Yes stores nothing";
        ASSERT_EQ(2u, boxes.Shown().size());
        for (const ShownBox& box : boxes.Shown()) {
            EXPECT_EQ(sheet, box.owner);
            EXPECT_STREQ(GetParam().cancelText, box.text);
            EXPECT_STREQ(GetParam().cancelTitle, box.title);
            EXPECT_EQ(36u, box.type);
        }
    }
}

// Enter in a text field gives the OK command, which a sheet ignores: no paging, no end, nothing
// stored. The sheet is still running afterwards, so only the later Storno ends it.
TEST_P(QuestionSheet, EnterInATextFieldDoesNothing) {
    MessageBoxScript boxes;
    boxes.Then(IDYES);
    auto records = FreshRecords(1);
    const int previous = Previous();
    const INT_PTR result = Run(records, [previous](CQuestionSheetDlg& d) {
        EXPECT_TRUE(TypeQuestion(d, {"Enter?", "", "", "", ""}, 0));
        d.GetDlgItem(IDC_QUESTION).SetFocus();
        PressKey(d, VK_RETURN);
        RunLater(d, [&d, previous] {
            EXPECT_EQ(0, d.m_current);
            EXPECT_TRUE(ExpectSheet(d, previous, {1, "Dokončit", false}));
            EXPECT_TRUE(Click(d, IDCANCEL));
        });
    });
    EXPECT_EQ(IDCANCEL, result) << "Enter must not have ended the sheet with OK";
    EXPECT_STREQ("", records[0].text[FieldQuestion]);
}

// A correct index outside 0..3 shows no option checked; leaving the question with none checked
// stores -1.
TEST_P(QuestionSheet, AnIndexOutsideTheGroupShowsNoneAndStoresMinusOne) {
    auto records = FreshRecords(3);
    records[1] = MakeRecord(7, {"mimo", "a", "b", "c", "d"});
    records[2] = MakeRecord(2, {"třetí", "a", "b", "c", "d"});
    const INT_PTR result = Run(records, [](CQuestionSheetDlg& d) {
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(ExpectShown(d, {"mimo", "a", "b", "c", "d"}, -1));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(ExpectShown(d, {"třetí", "a", "b", "c", "d"}, 2));
        EXPECT_TRUE(Click(d, IDC_NEXT));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(-1, records[1].correct);
    EXPECT_EQ(2, records[2].correct);
}

// Every text field takes at most 1023 characters, so a text and its NUL fill a record field; a
// longer text that reaches a control some other way is cut by the store step, never written past
// the field.
TEST_P(QuestionSheet, TextsNeverOutgrowTheirField) {
    auto records = FreshRecords(2);
    const std::string full(kTextFieldSize - 1, 'x');
    const std::string tooLong(1500, 'y');
    const INT_PTR result = Run(records, [&](CQuestionSheetDlg& d) {
        for (int id : kSheetFields) {
            EXPECT_EQ(kTextFieldSize - 1, d.GetDlgItem(id).SendMessage(EM_GETLIMITTEXT)) << id;
            TypeInto(d.GetDlgItem(id), std::string(1100, 'z').c_str());
            EXPECT_EQ(kTextFieldSize - 1, d.GetDlgItem(id).GetWindowTextA().GetLength()) << id;
        }
        d.SetDlgItemTextA(IDC_QUESTION, full.c_str());
        d.SetDlgItemTextA(IDC_ANSWER1, tooLong.c_str()); // WM_SETTEXT ignores the limit
        d.SetDlgItemTextA(IDC_ANSWER2, "za hranicí");
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(Click(d, IDC_NEXT));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(full, records[0].text[FieldQuestion]);
    EXPECT_EQ(tooLong.substr(0, kTextFieldSize - 1), std::string(records[0].text[FieldAnswer1]));
    EXPECT_STREQ("za hranicí", records[0].text[FieldAnswer2]) << "the next field is untouched";
}

// Text that Windows-1250 cannot hold is refused wherever the sheet takes it (forward, backward,
// "Dokončit"), in any field: one box, the focus on the character in that field, the question, its
// record and the paging as they were. Corrected, the text is taken as always.
TEST_P(QuestionSheet, RefusesCharactersOutsideWindows1250WhereverItTakesTheText) {
    auto records = FreshRecords(2);
    records[1] = MakeRecord(2, {"druhá", "a", "b", "c", "d"});
    const int previous = Previous();
    const struct {
        const char* way;
        int field;
        const wchar_t* text;
        int button; // 0 for the backward button
        SheetState stays;
        DWORD start;
    } steps[] = {
        {"forward", IDC_ANSWER3, L"Kolik je π?", IDC_NEXT, {1, "Další otázka...", false}, 9},
        {"backward", IDC_QUESTION, L"π", 0, {2, "Dokončit", true}, 0},
        {"Dokončit", IDC_ANSWER4, L"x π", IDC_NEXT, {2, "Dokončit", true}, 2},
    };
    const INT_PTR result = Run(records, [&](CQuestionSheetDlg& d) {
        for (const auto& step : steps) {
            SCOPED_TRACE(step.way);
            if (d.m_current + 1 < step.stays.number) { // on to the step's question
                EXPECT_TRUE(Click(d, IDC_NEXT));
            }
            const QuestionRecord before = records[static_cast<size_t>(d.m_current)];
            MessageBoxScript boxes;
            boxes.Then(IDOK);
            PasteInto(d.GetDlgItem(step.field), step.text);
            EXPECT_TRUE(Click(d, step.button ? step.button : previous));
            EXPECT_TRUE(OneRefusal(boxes, d.m_hWnd, kPiRefused));
            EXPECT_TRUE(ExpectSelected(d, step.field, step.start, step.start + 1));
            EXPECT_TRUE(ExpectSheet(d, previous, step.stays));
            EXPECT_EQ(0, std::memcmp(&before, &records[static_cast<size_t>(d.m_current)], sizeof before))
                << "nothing stored";
            PasteInto(d.GetDlgItem(step.field), L"pí");
        }
        EXPECT_TRUE(Click(d, IDC_NEXT));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(ExpectRecord(records[0], {"", "", "", "pí", ""}, 0));
    EXPECT_TRUE(ExpectRecord(records[1], {"pí", "a", "b", "c", "pí"}, 2));
}

// One box names every such character, an emoji as the one character it is (U+1F600, both halves
// of its surrogate pair selected); the first field in tab order that holds one takes the focus.
TEST_P(QuestionSheet, OneBoxNamesEveryCharacterAndSelectsTheFirst) {
    const std::wstring both = L"Znaky „α“ (U+03B1) a „≤“ (U+2264) nelze do testu uložit, protože je kódování "
                              L"Windows-1250 neobsahuje. Nahraďte je prosím jinými znaky.";
    const struct {
        std::vector<std::pair<int, const wchar_t*>> pasted;
        const std::wstring& message;
        int field;
        DWORD start;
        DWORD end;
    } cases[] = {
        {{{IDC_ANSWER2, L"Úsměv \U0001F600!"}}, kEmojiRefused, IDC_ANSWER2, 6, 8},
        {{{IDC_QUESTION, L"Která nerovnost platí?"}, {IDC_ANSWER4, L"x ≤ y"}, {IDC_ANSWER1, L"2α"}},
         both,
         IDC_ANSWER1,
         1,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        MessageBoxScript boxes;
        boxes.Then(IDOK).Then(IDYES);
        auto records = FreshRecords(1);
        const INT_PTR result = Run(records, [&](CQuestionSheetDlg& d) {
            for (const auto& paste : c.pasted)
                PasteInto(d.GetDlgItem(paste.first), paste.second);
            EXPECT_TRUE(Click(d, IDC_NEXT));
            EXPECT_TRUE(OneRefusal(boxes, d.m_hWnd, c.message));
            EXPECT_TRUE(ExpectSelected(d, c.field, c.start, c.end));
            EXPECT_TRUE(Click(d, IDCANCEL));
        });
        EXPECT_EQ(IDCANCEL, result) << "Dokončit did not end the sheet";
        EXPECT_TRUE(ExpectRecord(records[0], {"", "", "", "", ""}, 0));
    }
}

// A sheet given no records has nothing to show or store: it ends at once with Cancel.
TEST_P(QuestionSheet, WithoutRecordsItEndsAtOnce) {
    bool scriptRan = false;
    const INT_PTR result =
        RunSheet(GetParam().templateId, nullptr, 0, [&](CQuestionSheetDlg&) { scriptRan = true; });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(scriptRan);
}

INSTANTIATE_TEST_SUITE_P(Sheets, QuestionSheet, ::testing::ValuesIn(kSheets),
                         [](const ::testing::TestParamInfo<SheetCase>& info) { return info.param.name; });

class SheetOpening : public ::testing::Test {
protected:
    void TearDown() override { CDialog::SetTestScript(nullptr); }
};

// The create sheet opens empty with the focus in the question field; the edit sheet opens on the
// stored first question with the focus on "Storno" and the template's label.
TEST_F(SheetOpening, CreateStartsEmptyEditShowsTheStoredFirstQuestion) {
    MessageBoxScript boxes;
    boxes.Then(IDYES).Then(IDYES);
    auto records = FreshRecords(2);
    records[0] = MakeRecord(2, {"Uložená otázka", "jedna", "dvě", "tři", "čtyři"});

    RunSheet(IDD_CREATE_QUESTIONS, records.data(), 2, [](CQuestionSheetDlg& d) {
        EXPECT_TRUE(ExpectShown(d, {"", "", "", "", ""}, 0));
        EXPECT_EQ(d.GetDlgItem(IDC_QUESTION).m_hWnd, GetFocus());
        EXPECT_TRUE(ExpectSheet(d, IDC_PREVIOUS_CREATE, {1, "Další otázka...", false}));
        EXPECT_TRUE(Click(d, IDCANCEL));
    });
    RunSheet(IDD_EDIT_QUESTIONS, records.data(), 2, [](CQuestionSheetDlg& d) {
        EXPECT_TRUE(ExpectShown(d, {"Uložená otázka", "jedna", "dvě", "tři", "čtyři"}, 2));
        EXPECT_EQ(d.GetDlgItem(IDCANCEL).m_hWnd, GetFocus());
        EXPECT_TRUE(ExpectSheet(d, IDC_PREVIOUS_EDIT, {1, "Další otázka...", false}));
        EXPECT_TRUE(Click(d, IDCANCEL));
    });
}
} // namespace
