#include "run/RunWorkflow.h"

#include "platform/ListBox.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "tests/run/RunTesting.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
// The worked example of the file format: one question "2+2?", answers 3, 4, 5, 22, the second right.
const unsigned char kWorkedExample[] = {1,   0,   0, 0, 1, 0,   0, 0,   5, 0, 0, 0,   '2', '+',
                                        '2', '?', 0, 2, 0, 0,   0, '3', 0, 2, 0, 0,   0,   '4',
                                        0,   2,   0, 0, 0, '5', 0, 3,   0, 0, 0, '2', '2', 0};

const std::vector<QuizQuestion> kTwoQuestions = {
    {"Hlavní město Moravy?", {"Praha", "Brno", "Ostrava", "Olomouc"}, 1},
    {"Kolik je 2+2?", {"3", "5", "22", "Čtyři"}, 3},
};

// The test folder beside this exe, found without the code under test.
std::wstring TestFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe(path);
    return exe.substr(0, exe.rfind(L'\\')) + L"\\Kvizar";
}

std::wstring TestPath(const char* name) {
    return TestFolder() + L"\\" + ToWide(name) + L".tst";
}

// The file format written byte by byte: count, then per question the correct index and the five
// texts, each as its length with the NUL and its bytes.
std::string Encode(const std::vector<QuizQuestion>& questions) {
    std::string bytes;
    const auto put = [&bytes](int32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    };
    put(static_cast<int32_t>(questions.size()));
    for (const QuizQuestion& q : questions) {
        put(q.correct);
        for (const char* text : {q.text, q.options[0], q.options[1], q.options[2], q.options[3]}) {
            const std::string field(text);
            put(static_cast<int32_t>(field.size() + 1));
            bytes += field;
            bytes += '\0';
        }
    }
    return bytes;
}

void WriteTestFile(const char* name, const std::string& bytes) {
    CreateDirectoryW(TestFolder().c_str(), nullptr);
    HANDLE file = CreateFileW(TestPath(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

std::string ReadTestFile(const char* name) {
    HANDLE file = CreateFileW(TestPath(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

void RemoveTestFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((TestFolder() + L"\\*.tst").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((TestFolder() + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(TestFolder().c_str());
}

std::string Text(const CWnd& dialog, int id) {
    return dialog.GetDlgItemTextA(id).GetString();
}

void Click(CWnd& dialog, int id) {
    dialog.GetDlgItem(id).SendMessage(BM_CLICK);
}

// What the results window showed.
struct ShownResults {
    std::string name, count, right, wrong, rate;
};

// The run started from a real panel inside a real main window, with the three dialogs driven by
// steps as each opens; records which dialogs opened in which order.
class RunWorkflow : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestFolder();
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
        CDialog::SetTestScript(nullptr);
        AfxGetApp()->m_pMainWnd = nullptr;
        RemoveTestFolder();
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
            Click(d, IDOK);
        };
    }

    // Answers each question with its option, checking that the main window takes no input.
    std::function<void(CRunTestDlg&)> AnswerWith(std::vector<int> choices) {
        return [this, choices](CRunTestDlg& d) {
            EXPECT_EQ(mainWindow.m_hWnd, GetWindow(d.m_hWnd, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(mainWindow.m_hWnd));
            quizCaption = d.GetWindowTextA().GetString();
            for (int choice : choices) {
                Click(d, IDC_OPTION1 + choice);
                Click(d, IDC_NEXT);
            }
        };
    }

    void ReadResults(CDialog& d) {
        results = {Text(d, IDC_RESULT_NAME), Text(d, IDC_RESULT_COUNT), Text(d, IDC_RESULT_RIGHT),
                   Text(d, IDC_RESULT_WRONG), static_cast<CResultsDlg&>(d).m_percentText.GetString()};
        Click(d, IDOK);
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
    WriteTestFile("Abeceda", Encode({{"A?", {"a", "b", "c", "d"}, 0}}));
    WriteTestFile("Zkouška z češtiny", Encode(kTwoQuestions));
    const std::string before = ReadTestFile("Zkouška z češtiny");
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
    EXPECT_EQ(before, ReadTestFile("Zkouška z češtiny")) << "a run never writes the test";
    EXPECT_TRUE(IsWindowEnabled(mainWindow.m_hWnd)) << "the main window takes input again";
}

TEST_F(RunWorkflow, RunsTheWorkedExampleFile) {
    WriteTestFile("Sčítání", std::string(std::begin(kWorkedExample), std::end(kWorkedExample)));
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
    WriteTestFile("Zkouška", Encode(kTwoQuestions));
    boxes.Then(IDOK).Then(IDYES);
    pick = Pick("Zkouška");
    quiz = [](CRunTestDlg& d) {
        Click(d, IDC_NEXT);
        Click(d, IDCANCEL);
    };
    Run();
    EXPECT_EQ(kPickerAndQuiz, opened);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_STREQ("Opravdu chcete test ukončit?", boxes.Shown()[1].text);
}

TEST_F(RunWorkflow, ACancelledPickerEndsTheRun) {
    WriteTestFile("Zkouška", Encode(kTwoQuestions));
    pick = [](CDialog& d) { Click(d, IDCANCEL); };
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
    const std::string workedExample(std::begin(kWorkedExample), std::end(kWorkedExample));
    std::string lengthZero = workedExample;
    lengthZero[8] = 0; // the question text's length, which counts its NUL, cannot be 0
    std::string withoutNul = workedExample;
    withoutNul[16] = 'X'; // the NUL after "2+2?"
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"ends early", workedExample.substr(0, 30)},
        {"empty", ""},
        {"no questions", std::string(4, '\0')},
        {"negative count", std::string("\xFF\xFF\xFF\xFF", 4)},
        {"length zero", lengthZero},
        {"text without its NUL", withoutNul},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.clear();
        MessageBoxScript refused;
        refused.Then(IDOK);
        WriteTestFile("Poškozený", c.bytes);
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
    WriteTestFile("Zmizelý", Encode(kTwoQuestions));
    boxes.Then(IDOK);
    pick = [](CDialog& d) {
        ASSERT_TRUE(DeleteFileW(TestPath("Zmizelý").c_str()));
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
