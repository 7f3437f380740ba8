#include "run/RunWorkflow.h"

#include "platform/ListBox.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "tests/support/Controls.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestFolderCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
const std::vector<QuestionRecord> kTwoQuestions = {
    MakeRecord(1, {"Hlavní město Moravy?", "Praha", "Brno", "Ostrava", "Olomouc"}),
    MakeRecord(3, {"Kolik je 2+2?", "3", "5", "22", "Čtyři"}),
};

// What the results window showed.
struct ShownResults {
    std::string name, count, right, wrong, rate;
};

// The run started from a real panel inside a real main window, with the three dialogs driven by
// steps as each opens; records which dialogs opened in which order.
class RunWorkflow : public TestFolderCase {
protected:
    void SetUp() override {
        TestFolderCase::SetUp();
        ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, "Kvizar 2004", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                        300, 400, nullptr, nullptr));
        ASSERT_TRUE(panel.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 0, 0, 290, 370, mainWindow.m_hWnd,
                                   reinterpret_cast<HMENU>(1)));
        AfxGetApp()->m_pMainWnd = &mainWindow;
        CDialog::SetTestScript([this](CDialog& d) {
            opened.push_back(d.GetTemplateId());
            if (d.GetTemplateId() == IDD_RUN_SELECT)
                pick(d);
            else if (d.GetTemplateId() == IDD_RUN_TEST)
                quiz(static_cast<CRunTestDlg&>(d));
            else if (d.GetTemplateId() == IDD_RESULTS)
                ReadResults(d);
        });
    }
    void TearDown() override {
        AfxGetApp()->m_pMainWnd = nullptr;
        TestFolderCase::TearDown();
    }

    // Picks the named test in the picker and confirms it.
    static std::function<void(CDialog&)> Pick(const char* name) {
        return [name](CDialog& d) {
            CListBox list;
            list.Attach(d.GetDlgItem(IDC_TEST_LIST));
            for (int i = 0; i < list.GetCount(); ++i) {
                if (list.GetText(i) == name)
                    list.SetCurSel(i);
            }
            EXPECT_STREQ(name, list.GetText(list.GetCurSel()));
            list.Detach();
            EXPECT_TRUE(Click(d, IDOK));
        };
    }

    // Answers each question with its option, checking that the main window takes no input.
    std::function<void(CRunTestDlg&)> AnswerWith(std::vector<int> choices) {
        return [this, choices](CRunTestDlg& d) {
            EXPECT_EQ(mainWindow.m_hWnd, GetWindow(d.m_hWnd, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(mainWindow.m_hWnd));
            quizCaption = d.GetWindowTextA().GetString();
            for (int choice : choices) {
                EXPECT_TRUE(Click(d, IDC_OPTION1 + choice));
                EXPECT_TRUE(Click(d, IDC_NEXT));
            }
        };
    }

    void ReadResults(CDialog& d) {
        results = {Text(d, IDC_RESULT_NAME), Text(d, IDC_RESULT_COUNT), Text(d, IDC_RESULT_RIGHT),
                   Text(d, IDC_RESULT_WRONG), static_cast<CResultsDlg&>(d).m_percentText.GetString()};
        EXPECT_TRUE(Click(d, IDOK));
    }

    void Run() { RunTestWorkflow(panel); }

    // A dialog nobody expected fails the test and is closed, so the run cannot hang.
    std::function<void(CDialog&)> pick = [](CDialog& d) {
        ADD_FAILURE() << "no picker expected";
        EndDialog(d.m_hWnd, IDCANCEL);
    };
    std::function<void(CRunTestDlg&)> quiz = [](CRunTestDlg& d) {
        ADD_FAILURE() << "no quiz expected";
        EndDialog(d.m_hWnd, IDCANCEL);
    };
    std::vector<UINT> opened;
    std::string quizCaption;
    ShownResults results;
    MessageBoxScript boxes;
    CWnd mainWindow;
    CWnd panel;
};

const std::vector<UINT> kPickerOnly = {IDD_RUN_SELECT};
const std::vector<UINT> kPickerAndQuiz = {IDD_RUN_SELECT, IDD_RUN_TEST};
const std::vector<UINT> kWholeRun = {IDD_RUN_SELECT, IDD_RUN_TEST, IDD_RESULTS};

TEST_F(RunWorkflow, AFinishedQuizEndsInTheResultsOfTheBareName) {
    WriteTest("Abeceda", FileOf({MakeRecord(0, {"A?", "a", "b", "c", "d"})}));
    WriteTest("Zkouška z češtiny", FileOf(kTwoQuestions));
    const Bytes before = ReadBytes(TestFileOf("Zkouška z češtiny"));
    boxes.Then(IDOK).Then(IDOK);
    pick = Pick("Zkouška z češtiny");
    quiz = AnswerWith({1, 0});
    Run();

    EXPECT_EQ(kWholeRun, opened);
    EXPECT_EQ("Kvizar 2004 - Zkouška z češtiny", quizCaption);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_STREQ("Správná odpověď!", boxes.Shown()[0].text);
    EXPECT_STREQ("Špatně, správná odpověď je: Čtyři!", boxes.Shown()[1].text);
    EXPECT_EQ("Název testu: Zkouška z češtiny", results.name);
    EXPECT_EQ("2", results.count);
    EXPECT_EQ("1", results.right);
    EXPECT_EQ("1", results.wrong);
    EXPECT_EQ("Úspěšnost: 50.00 %", results.rate);
    EXPECT_EQ(before, ReadBytes(TestFileOf("Zkouška z češtiny"))) << "a run never writes the test";
    EXPECT_TRUE(IsWindowEnabled(mainWindow.m_hWnd)) << "the main window takes input again";
}

TEST_F(RunWorkflow, RunsTheWorkedExampleFile) {
    WriteTest("Sčítání", kWorkedExample);
    boxes.Then(IDOK);
    pick = Pick("Sčítání");
    quiz = [this](CRunTestDlg& d) {
        EXPECT_EQ("2+2?", Text(d, IDC_QUESTION_TEXT));
        EXPECT_EQ("3", Text(d, IDC_OPTION1));
        EXPECT_EQ("4", Text(d, IDC_OPTION2));
        EXPECT_EQ("5", Text(d, IDC_OPTION3));
        EXPECT_EQ("22", Text(d, IDC_OPTION4));
        AnswerWith({1})(d);
    };
    Run();

    EXPECT_EQ(kWholeRun, opened);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Správná odpověď!", boxes.Shown()[0].text);
    EXPECT_EQ("Název testu: Sčítání", results.name);
    EXPECT_EQ("1", results.count);
    EXPECT_EQ("1", results.right);
    EXPECT_EQ("0", results.wrong);
    EXPECT_EQ("Úspěšnost: 100.00 %", results.rate);
}

TEST_F(RunWorkflow, AnAbandonedQuizShowsNoResults) {
    WriteTest("Zkouška", FileOf(kTwoQuestions));
    boxes.Then(IDOK).Then(IDYES);
    pick = Pick("Zkouška");
    quiz = [](CRunTestDlg& d) {
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(Click(d, IDCANCEL));
    };
    Run();
    EXPECT_EQ(kPickerAndQuiz, opened);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_STREQ("Opravdu chcete test ukončit?", boxes.Shown()[1].text);
}

TEST_F(RunWorkflow, ACancelledPickerEndsTheRun) {
    WriteTest("Zkouška", FileOf(kTwoQuestions));
    pick = [](CDialog& d) { EXPECT_TRUE(Click(d, IDCANCEL)); };
    Run();
    EXPECT_EQ(kPickerOnly, opened);
}

TEST_F(RunWorkflow, WithoutATestFolderThePickerSaysSoAndNoQuizOpens) {
    boxes.Then(IDOK);
    pick = [](CDialog&) {}; // the picker ends itself before it can be used
    Run();
    EXPECT_TRUE(opened.empty() || opened == kPickerOnly);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Nebyl nalezen žádný dostupný test!", boxes.Shown()[0].text);
}

// A file that cannot be read as a test is refused with one message, and no quiz opens.
TEST_F(RunWorkflow, ADamagedFileIsRefusedAndNoQuizOpens) {
    struct Case {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"ends early", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 30)},
        {"empty", Bytes()},
        {"no questions", Bytes(4, 0)},
        {"negative count", Bytes(4, 0xFF)},
        // The question text's length, which counts its NUL, cannot be 0.
        {"length zero", Patched(kWorkedExample, 8, 0)},
        {"text without its NUL", WithByte(kWorkedExample, 16, 'X')}, // the NUL after "2+2?"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        MessageBoxScript refused;
        refused.Then(IDOK);
        WriteTest("Poškozený", c.bytes);
        pick = Pick("Poškozený");
        Run();
        EXPECT_EQ(kPickerOnly, opened);
        ASSERT_EQ(1u, refused.Shown().size());
        EXPECT_STREQ("Test \"Poškozený\" je poškozený a nelze jej otevřít.", refused.Shown()[0].text);
        EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), refused.Shown()[0].type);
    }
}

// The test's file is gone between listing and loading: the framework's file-error report.
TEST_F(RunWorkflow, AMissingFileGetsTheFileErrorReportAndNoQuizOpens) {
    WriteTest("Zmizelý", FileOf(kTwoQuestions));
    boxes.Then(IDOK);
    pick = [](CDialog& d) {
        ASSERT_TRUE(DeleteFileW(TestFileOf("Zmizelý").c_str()));
        Pick("Zmizelý")(d);
    };
    Run();
    EXPECT_EQ(kPickerOnly, opened);
    ASSERT_EQ(1u, boxes.Shown().size());
    const std::string text = boxes.Shown()[0].text.GetString();
    EXPECT_NE(std::string::npos, text.find("nebyl nalezen")) << text;
    EXPECT_NE(std::string::npos, text.find("Zmizelý.tst")) << text;
}
} // namespace
