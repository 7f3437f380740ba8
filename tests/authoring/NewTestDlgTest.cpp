// The name dialog of a new test as a real modal dialog: what it opens with, each of its checks
// alone and in combination, the silent probe for a taken name.

#include "authoring/NewTestDlg.h"
#include "res/resource.h"
#include "tests/authoring/SheetTesting.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestFolderCase.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class NewTestDialog : public TestFolderCase {
protected:
    // Runs the dialog; the script drives it from inside its modal loop.
    INT_PTR Run(CNewTestDlg& dlg, const std::function<void(CDialog&)>& script) {
        CDialog::SetTestScript([&](CDialog& d) { script(d); });
        return dlg.DoModal();
    }
};

void Enter(CDialog& d, const char* name, const char* count) {
    d.SetDlgItemTextA(IDC_TEST_NAME, name);
    d.SetDlgItemTextA(IDC_QUESTION_COUNT, count);
}

TEST_F(NewTestDialog, OpensWithTheDefaultsAndAcceptsThemWhenNoSuchTestExists) {
    CNewTestDlg dlg;
    const INT_PTR result = Run(dlg, [](CDialog& d) {
        EXPECT_STREQ("Nový test", d.GetDlgItemTextA(IDC_TEST_NAME));
        EXPECT_STREQ("10", d.GetDlgItemTextA(IDC_QUESTION_COUNT));
        EXPECT_EQ(d.GetDlgItem(IDC_TEST_NAME).m_hWnd, GetFocus());
        PressKey(d, VK_RETURN);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_STREQ("Nový test", dlg.m_testName);
    EXPECT_EQ(10, dlg.m_count);
    EXPECT_FALSE(Exists(Folder())) << "the probe creates nothing";
}

// Each refusal: one message owned by the dialog, titled "Chyba" with the stop icon, the focus in
// the field to correct (or left where it was for a taken name), and the dialog still open with
// the input as typed.
struct RefusalCase {
    const char* name;
    const char* count;
    const char* message;
    int focusId; // 0: the focus stays on the OK button that was pressed
};

TEST_F(NewTestDialog, RefusesWithTheFirstFailingCheckOnly) {
    WriteTest("Existující", {0x01, 0x02, 0x03}); // not even a valid test: it still takes the name
    const RefusalCase cases[] = {
        {"", "10", "Musíte zadat název testu!", IDC_TEST_NAME},
        {"", "0", "Musíte zadat název testu!", IDC_TEST_NAME},
        {"a|b", "10", "Tento název testu nelze použít jako název souboru!", IDC_TEST_NAME},
        {"CON", "0", "Tento název testu nelze použít jako název souboru!", IDC_TEST_NAME},
        {"..\\Existující", "10", "Tento název testu nelze použít jako název souboru!", IDC_TEST_NAME},
        {"Zkouška", "0", "Počet otázek musí být větší než nula!", IDC_QUESTION_COUNT},
        {"Zkouška", "-3", "Počet otázek musí být větší než nula!", IDC_QUESTION_COUNT},
        // Beyond int's range a count is held at its limit: one message, not two.
        {"Zkouška", "-99999999999", "Počet otázek musí být větší než nula!", IDC_QUESTION_COUNT},
        {"Existující", "0", "Počet otázek musí být větší než nula!", IDC_QUESTION_COUNT},
        {"Zkouška", "50001", "Počet otázek nesmí být větší než 50000!", IDC_QUESTION_COUNT},
        {"Existující", "2147483647", "Počet otázek nesmí být větší než 50000!", IDC_QUESTION_COUNT},
        {"Zkouška", "99999999999", "Počet otázek nesmí být větší než 50000!", IDC_QUESTION_COUNT},
        {"Existující", "10", "Test s tímto jménem už existuje!", 0},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.count);
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        CNewTestDlg dlg;
        HWND dialog = nullptr;
        const INT_PTR result = Run(dlg, [&](CDialog& d) {
            dialog = d.m_hWnd;
            Enter(d, c.name, c.count);
            EXPECT_TRUE(Click(d, IDOK));
            EXPECT_EQ(d.GetDlgItem(c.focusId ? c.focusId : IDOK).m_hWnd, GetFocus());
            RunLater(d, [&d, &c] {
                EXPECT_STREQ(c.name, d.GetDlgItemTextA(IDC_TEST_NAME));
                EXPECT_STREQ(c.count, d.GetDlgItemTextA(IDC_QUESTION_COUNT));
                EXPECT_TRUE(Click(d, IDCANCEL));
            });
        });
        EXPECT_EQ(IDCANCEL, result) << "the refused dialog stayed open";
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ(dialog, boxes.Shown()[0].owner);
        EXPECT_STREQ(c.message, boxes.Shown()[0].text);
        EXPECT_STREQ("Chyba", boxes.Shown()[0].title);
        EXPECT_EQ(16u, boxes.Shown()[0].type);
    }
}

// A name with a character that Windows-1250 cannot hold gets the message that names it, not the
// one for names that cannot be file names; it comes first, alone even with a count of 0, and the
// character is selected in the name field as pasted.
TEST_F(NewTestDialog, RefusesANameWithACharacterOutsideWindows1250ByNamingIt) {
    const struct {
        const wchar_t* name;
        const std::wstring& message;
        DWORD start;
        DWORD end;
    } cases[] = {
        {L"Kolik je π", kPiRefused, 9, 10},
        {L"\U0001F600 test", kEmojiRefused, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        CNewTestDlg dlg;
        HWND dialog = nullptr;
        const INT_PTR result = Run(dlg, [&](CDialog& d) {
            dialog = d.m_hWnd;
            PasteInto(d.GetDlgItem(IDC_TEST_NAME), c.name);
            d.SetDlgItemTextA(IDC_QUESTION_COUNT, "0");
            EXPECT_TRUE(Click(d, IDOK));
            EXPECT_TRUE(ExpectSelected(d, IDC_TEST_NAME, c.start, c.end));
            RunLater(d, [&d, &c] {
                EXPECT_TRUE(WindowText(d.GetDlgItem(IDC_TEST_NAME)) == c.name) << "the name as pasted";
                EXPECT_TRUE(Click(d, IDCANCEL));
            });
        });
        EXPECT_EQ(IDCANCEL, result) << "the refused dialog stayed open";
        EXPECT_TRUE(OneRefusal(boxes, dialog, c.message));
    }
    EXPECT_FALSE(Exists(Folder()));
}

TEST_F(NewTestDialog, AcceptsNamesOfSpacesOrCzechLettersAndCountsUpToTheLimit) {
    const struct {
        const char* name;
        const char* count;
        int expected;
    } cases[] = {{"   ", "1", 1},
                 {"Zkouška ěščřžýáíé ďťň ůú", "50000", 50000},
                 {"a.b", "007", 7},
                 {"Kap. 3.", "3", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CNewTestDlg dlg;
        const INT_PTR result = Run(dlg, [&c](CDialog& d) {
            Enter(d, c.name, c.count);
            EXPECT_TRUE(Click(d, IDOK));
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_STREQ(c.name, dlg.m_testName);
        EXPECT_EQ(c.expected, dlg.m_count);
    }
}

// A count that is no number is refused by the exchange itself; the checks then pass on the count
// held before, and the final exchange refuses it once more, so the dialog stays open.
TEST_F(NewTestDialog, ACountThatIsNoNumberKeepsTheDialogOpen) {
    MessageBoxScript boxes;
    boxes.Then(IDOK).Then(IDOK);
    CNewTestDlg dlg;
    const INT_PTR result = Run(dlg, [](CDialog& d) {
        Enter(d, "Zkouška", "12a");
        EXPECT_TRUE(Click(d, IDOK));
        EXPECT_EQ(d.GetDlgItem(IDC_QUESTION_COUNT).m_hWnd, GetFocus());
        RunLater(d, [&d] { EXPECT_TRUE(Click(d, IDCANCEL)); });
    });
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_STREQ("Zadejte celé číslo.", boxes.Shown()[0].text);
    EXPECT_STREQ("Zadejte celé číslo.", boxes.Shown()[1].text);
}

TEST_F(NewTestDialog, TheCountFieldTakesDigitsOnly) {
    CNewTestDlg dlg;
    Run(dlg, [](CDialog& d) {
        const HWND count = d.GetDlgItem(IDC_QUESTION_COUNT);
        SetWindowTextW(count, L"");
        for (wchar_t c : std::wstring(L"1x-2 ,3"))
            SendMessageW(count, WM_CHAR, c, 1);
        EXPECT_STREQ("123", d.GetDlgItemTextA(IDC_QUESTION_COUNT));
        EXPECT_TRUE(Click(d, IDCANCEL));
    });
}

// The probe opens the file for reading without sharing and closes it again: a file that another
// program holds does not count as taken, and a taken one is released before the message returns.
TEST_F(NewTestDialog, TheProbeForATakenNameIsSilentAndLetsGoOfTheFile) {
    WriteTest("Zamčený", {0x01, 0x00, 0x00, 0x00});
    {
        LockedFile held(TestFileOf("Zamčený"));
        ASSERT_TRUE(held.IsHeld());
        CNewTestDlg dlg;
        const INT_PTR result = Run(dlg, [](CDialog& d) {
            Enter(d, "Zamčený", "3");
            EXPECT_TRUE(Click(d, IDOK));
        });
        EXPECT_EQ(IDOK, result) << "a file nobody may open does not take the name";
    }

    MessageBoxScript boxes;
    boxes.Then(IDOK);
    CNewTestDlg dlg;
    Run(dlg, [](CDialog& d) {
        Enter(d, "Zamčený", "3");
        EXPECT_TRUE(Click(d, IDOK));
        LockedFile again(TestFileOf("Zamčený"));
        EXPECT_TRUE(again.IsHeld()) << "the probe still holds the file";
        EXPECT_TRUE(Click(d, IDCANCEL));
    });
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Test s tímto jménem už existuje!", boxes.Shown()[0].text);
}
} // namespace
