// The two test pickers as real dialogs over the real test folder beside the test exe, and the
// paths they lead to.

#include "platform/ListBox.h"
#include "platform/Text.h"
#include "res/resource.h"
#include "storage/EditSelectDlg.h"
#include "storage/RunSelectDlg.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestFolderCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
// What a picker showed when its script ran.
struct Shown {
    bool ran = false;
    std::vector<std::string> entries;
    int selected = LB_ERR;
};

CListBox ListOf(CDialog& dialog) {
    CListBox list;
    list.Attach(dialog.GetDlgItem(IDC_TEST_LIST));
    return list;
}

class TestPicker : public TestFolderCase, public ::testing::WithParamInterface<UINT> {
protected:
    // Runs the picker of the case's template; steps end it as a user would.
    INT_PTR Run(const std::function<void(CDialog&)>& steps) {
        shown = Shown();
        std::unique_ptr<CTestPickerDlg> picker;
        if (GetParam() == IDD_RUN_SELECT)
            picker = std::make_unique<CRunSelectDlg>();
        else
            picker = std::make_unique<CEditSelectDlg>();
        CDialog::SetTestScript([&](CDialog& dialog) {
            CListBox list = ListOf(dialog);
            shown.ran = true;
            for (int i = 0; i < list.GetCount(); ++i)
                shown.entries.push_back(list.GetText(i).GetString());
            shown.selected = list.GetCurSel();
            steps(dialog);
        });
        const INT_PTR result = picker->DoModal();
        picked = picker->m_testName;
        return result;
    }

    static void AddTest(const std::wstring& fileName) {
        WriteBytes(PathOf(fileName.c_str()), kWorkedExample);
    }

    Shown shown;
    CString picked;
};

TEST_P(TestPicker, WithNoTestToOfferItSaysSoAndCancelsBeforeItIsShown) {
    const std::vector<std::function<void()>> setups = {
        [] {}, // no folder at all
        [] { CreateTestFolder(); },
        [] {
            // Nothing here can be opened as a test.
            CreateTestFolder();
            CreateDirectoryW(PathOf(L"x.tst").c_str(), nullptr);
            AddTest(L"poznámky.txt");
            AddTest(L"a.tstx");
            AddTest(L"\u65e5\u672c.tst"); // Windows-1250 has no such letters
        },
    };
    for (size_t i = 0; i < setups.size(); ++i) {
        SCOPED_TRACE("setup " + std::to_string(i));
        RemoveTree(Folder());
        setups[i]();
        const bool folderExisted = Exists(Folder());
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        EXPECT_EQ(IDCANCEL, Run([](CDialog& dialog) { dialog.SendMessage(WM_COMMAND, IDOK); }));
        EXPECT_FALSE(shown.ran); // never usable
        EXPECT_TRUE(picked.IsEmpty());
        EXPECT_TRUE(OneBox(boxes, "Nebyl nalezen žádný dostupný test!", "Chyba", MB_OK | MB_ICONSTOP));
        // Listing does not create the folder.
        EXPECT_EQ(folderExisted, Exists(Folder()));
    }
}

TEST_P(TestPicker, ListsOnlyTheTestsSortedWithTheFirstSelected) {
    CreateTestFolder();
    for (const wchar_t* name : {L"B.tst", L"a.tst", L"Zkouška z češtiny.tst", L"UPPER.TST", L"poznámky.txt",
                                L"a.tstx", L"\u65e5\u672c.tst", L"Kap. 3..tst"})
        AddTest(name);
    CreateDirectoryW(PathOf(L"x.tst").c_str(), nullptr);

    EXPECT_EQ(IDCANCEL, Run([](CDialog& dialog) { dialog.SendMessage(WM_COMMAND, IDCANCEL); }));
    const std::vector<std::string> expected = {"a", "B", "Kap. 3.", "UPPER", "Zkouška z češtiny"};
    EXPECT_EQ(expected, shown.entries);
    EXPECT_EQ(0, shown.selected);
}

TEST_P(TestPicker, EveryWayToCloseItGivesOkWithTheSelectionOrCancel) {
    CreateTestFolder();
    AddTest(L"B.tst");
    AddTest(L"a.tst");
    auto postKey = [](UINT key) {
        return [key](CDialog& dialog) { PostMessageW(dialog.GetDlgItem(IDC_TEST_LIST), WM_KEYDOWN, key, 0); };
    };
    const struct {
        const char* name;
        std::function<void(CDialog&)> steps;
        INT_PTR result;
        const char* picked;
    } cases[] = {
        {"OK at once", [](CDialog& d) { d.SendMessage(WM_COMMAND, IDOK); }, IDOK, "a"},
        {"Enter", postKey(VK_RETURN), IDOK, "a"},
        {"second entry, then OK",
         [](CDialog& d) {
             ListOf(d).SetCurSel(1);
             SendMessageW(d.GetDlgItem(IDOK), BM_CLICK, 0, 0);
         },
         IDOK, "B"},
        // Were a double click to confirm, m_testName would hold "B".
        {"double click, then Storno",
         [](CDialog& d) {
             ListOf(d).SetCurSel(1);
             const HWND list = d.GetDlgItem(IDC_TEST_LIST);
             d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
             d.SendMessage(WM_COMMAND, IDCANCEL);
         },
         IDCANCEL, ""},
        {"Storno", [](CDialog& d) { SendMessageW(d.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0); }, IDCANCEL, ""},
        {"Escape", postKey(VK_ESCAPE), IDCANCEL, ""},
        {"close box", [](CDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, Run(c.steps));
        EXPECT_STREQ(c.picked, picked);
    }
}

TEST_P(TestPicker, ANameWithSpacesAndCzechLettersLeadsBackToItsFile) {
    CreateTestFolder();
    AddTest(L"A první.tst");
    const std::wstring fileName = L"Zkouška z češtiny ěščřžýáíé ĚŠČŘŽÝÁÍÉŮÚ.tst";
    AddTest(fileName);
    EXPECT_EQ(IDOK, Run([](CDialog& d) {
                  ListOf(d).SetCurSel(1);
                  d.SendMessage(WM_COMMAND, IDOK);
              }));
    EXPECT_STREQ("Zkouška z češtiny ěščřžýáíé ĚŠČŘŽÝÁÍÉŮÚ", picked);
    EXPECT_TRUE(PathOf(fileName.c_str()) == BuildTestPath(picked));
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, LoadTestFile(BuildTestPath(picked))));
}

INSTANTIATE_TEST_SUITE_P(RunAndEdit, TestPicker, ::testing::Values(IDD_RUN_SELECT, IDD_EDIT_SELECT));

class TestFolderPaths : public TestFolderCase {};

TEST_F(TestFolderPaths, TheFolderIsBesideTheExe) {
    // The running exe is in it (each test exe has its own folder).
    const std::wstring directory = ExeDirectory();
    EXPECT_EQ(BesideExe(L"storage_test.exe"), directory + L"\\storage_test.exe");
    EXPECT_EQ(directory + L"\\Kvizar", TestFolderPath());
    EXPECT_EQ(directory + L"\\Kvizar\\Zkou\u0161ka 1.tst", BuildTestPath("Zkouška 1"));
    EXPECT_EQ(directory + L"\\Kvizar\\ mezery .tst", BuildTestPath(" mezery ")); // used as typed
}

TEST_F(TestFolderPaths, CreatingTheFolderAgainKeepsWhatIsInIt) {
    CreateTestFolder();
    WriteBytes(PathOf(L"a.tst"), kWorkedExample);
    CreateTestFolder();
    EXPECT_EQ(kWorkedExample, ReadBytes(PathOf(L"a.tst")));
}
} // namespace
