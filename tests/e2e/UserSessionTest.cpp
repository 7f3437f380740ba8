// The finished program used from start to end as a user uses it: the real kvizar.exe in a fresh
// folder, its image buttons clicked with real mouse input, its dialogs filled and its message
// boxes answered, and the bytes of every file it writes checked.

#include "res/resource.h"
#include "tests/e2e/ProgramSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Question {
    std::string text[5]; // Windows-1250: question, answers 1 to 4
    int correct;
};

void PutInt(std::string& bytes, int value) {
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFF);
}

// The test file as it must be on disk, written out here rather than by the program's own code.
std::string ExpectedFile(const std::vector<Question>& questions) {
    std::string bytes;
    PutInt(bytes, static_cast<int>(questions.size()));
    for (const Question& q : questions) {
        PutInt(bytes, q.correct);
        for (const std::string& text : q.text) {
            PutInt(bytes, static_cast<int>(text.size()) + 1);
            bytes += text;
            bytes += '\0';
        }
    }
    return bytes;
}

class UserSession : public ProgramSession {
protected:
    void SetUp() override {
        // A fresh folder per code page, with nothing but the exe in it.
        wchar_t cwd[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, cwd);
        folder = std::wstring(cwd) + L"\\session-" + std::to_wstring(GetACP());
        RemoveTree(folder);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        const std::wstring exe = folder + L"\\kvizar.exe";
        ASSERT_TRUE(CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << Narrow(BuiltProgramPath());
        testFile = folder + L"\\Kvizar\\" + Wide1250("Zkouška") + L".tst";

        Start(exe);
    }

    void Fill(HWND sheet, const Question& q) {
        static const int fields[5] = {IDC_QUESTION, IDC_ANSWER1, IDC_ANSWER2, IDC_ANSWER3, IDC_ANSWER4};
        for (int i = 0; i < 5; ++i)
            Robot::Type(sheet, fields[i], Wide1250(q.text[i].c_str()));
        Robot::Click(sheet, IDC_OPTION1 + q.correct);
        ASSERT_TRUE(WaitCheck(sheet, IDC_OPTION1 + q.correct));
    }

    void ExpectShown(HWND sheet, const Question& q) {
        static const int fields[5] = {IDC_QUESTION, IDC_ANSWER1, IDC_ANSWER2, IDC_ANSWER3, IDC_ANSWER4};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Narrow(Wide1250(q.text[i].c_str())), Narrow(Robot::ItemText(sheet, fields[i])));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(k == q.correct, Robot::IsChecked(sheet, IDC_OPTION1 + k)) << "option " << k + 1;
    }

public:
    // The steps of the session, in order.
    void NoTestYet();
    void CreateTest();
    void RunTest();
    void EditUnchanged();
    void CancelEditing();
    void EditChanged();
    void Quit();

protected:
    std::wstring folder, testFile;
    std::vector<Question> test = {
        {{"Hlavní město České republiky?", "Brno", "Praha", "Ostrava", "Plzeň"}, 1},
        {{"Kolik nohou má pavouk?", "osm", "šest", "čtyři", "deset"}, 0},
    };
};

void UserSession::NoTestYet() {
    for (int button : {kRunButton, kEditButton}) {
        const char* picker = button == kRunButton ? "Spustit test" : "Editovat test";
        SCOPED_TRACE(picker);
        ClickImageButton(button);
        ShownMessageBox shown;
        ASSERT_TRUE(robot->WaitForMessageBox(Wide1250("Chyba"), shown));
        EXPECT_EQ(Narrow(Wide1250("Nebyl nalezen žádný dostupný test!")), Narrow(shown.text));
        EXPECT_FALSE(shown.yesNo);
        EXPECT_EQ(Narrow(Wide1250(picker)), Narrow(Robot::Text(shown.owner))) << "owned by the picker";
        ASSERT_TRUE(robot->Answer(shown, IDOK));
        EXPECT_TRUE(robot->WaitUntilGone(Wide1250(picker))) << "the picker cancels itself";
    }
    EXPECT_FALSE(FileExists(folder + L"\\Kvizar")) << "listing never creates the test folder";
}

void UserSession::CreateTest() {
    ClickImageButton(kNewButton);
    HWND name = robot->WaitForWindow(Wide1250("Vytvořit nový test"));
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(Narrow(Wide1250("Nový test")), Narrow(Robot::ItemText(name, IDC_TEST_NAME)));
    EXPECT_EQ("10", Narrow(Robot::ItemText(name, IDC_QUESTION_COUNT)));
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    Robot::Type(name, IDC_QUESTION_COUNT, L"0");
    Robot::Click(name, IDOK);
    ExpectBox("Chyba", "Počet otázek musí být větší než nula!", false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_QUESTION_COUNT));

    Robot::Type(name, IDC_TEST_NAME, L"");
    Robot::Click(name, IDOK);
    ExpectBox("Chyba", "Musíte zadat název testu!", false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    // A name that cannot be a file name is refused before any question is typed.
    Robot::Type(name, IDC_TEST_NAME, L"a:b");
    Robot::Type(name, IDC_QUESTION_COUNT, L"2");
    Robot::Click(name, IDOK);
    ExpectBox("Chyba", nullptr, false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    Robot::Type(name, IDC_TEST_NAME, Wide1250("Zkouška"));
    Robot::Click(name, IDOK);
    HWND sheet = robot->WaitForWindow(Wide1250("Vytvoření nového testu"));
    ASSERT_NE(nullptr, sheet);
    EXPECT_FALSE(IsWindow(name));

    EXPECT_EQ(Narrow(Wide1250("Otázka č. 1")), Narrow(Robot::ItemText(sheet, IDC_QUESTION_LABEL)));
    EXPECT_EQ(Narrow(Wide1250("Další otázka...")), Narrow(Robot::ItemText(sheet, IDC_NEXT)));
    EXPECT_FALSE(Robot::IsEnabled(sheet, IDC_PREVIOUS_CREATE));
    EXPECT_TRUE(WaitForFocus(sheet, IDC_QUESTION));
    ExpectShown(sheet, {{"", "", "", "", ""}, 0});

    Fill(sheet, test[0]);
    Robot::Click(sheet, IDC_NEXT);
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    EXPECT_EQ(Narrow(Wide1250("Dokončit")), Narrow(Robot::ItemText(sheet, IDC_NEXT)));
    EXPECT_TRUE(Robot::IsEnabled(sheet, IDC_PREVIOUS_CREATE));
    ExpectShown(sheet, {{"", "", "", "", ""}, 0});
    Fill(sheet, test[1]);

    // No keeps the sheet with its unstored input.
    Robot::Click(sheet, IDCANCEL);
    ExpectBox("Návrh nového testu", "Opravdu chcete ukončit tvorbu testu?", true, sheet, IDNO);
    EXPECT_TRUE(IsWindow(sheet));
    EXPECT_EQ(Narrow(Wide1250("Otázka č. 2")), Narrow(Robot::ItemText(sheet, IDC_QUESTION_LABEL)));
    ExpectShown(sheet, test[1]);

    Robot::Click(sheet, IDC_NEXT);
    ExpectBox("Kvizar 2004", "Test byl úspěšně vytvořen!", false, main, IDOK);
    EXPECT_EQ(ExpectedFile(test), ReadFileBytes(testFile));
}

void UserSession::RunTest() {
    ClickImageButton(kRunButton);
    HWND picker = robot->WaitForWindow(Wide1250("Spustit test"));
    ASSERT_NE(nullptr, picker);
    HWND list = GetDlgItem(picker, IDC_TEST_LIST);
    EXPECT_EQ(1, Robot::Send(list, LB_GETCOUNT));
    EXPECT_EQ(0, Robot::Send(list, LB_GETCURSEL));
    EXPECT_EQ(Narrow(Wide1250("Zkouška")), Narrow(Robot::ListEntry(list, 0)));
    Robot::Click(picker, IDOK);

    HWND quiz = robot->WaitForWindow(Wide1250("Kvizar 2004 - Zkouška"));
    ASSERT_NE(nullptr, quiz);
    EXPECT_EQ(Narrow(Wide1250(test[0].text[0].c_str())), Narrow(Robot::ItemText(quiz, IDC_QUESTION_TEXT)));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Narrow(Wide1250(test[0].text[k + 1].c_str())),
                  Narrow(Robot::ItemText(quiz, IDC_OPTION1 + k)));
    EXPECT_TRUE(Robot::IsChecked(quiz, IDC_OPTION1)) << "the first option is preselected";
    EXPECT_EQ(Narrow(Wide1250("Otázka č. 1")), Narrow(Robot::ItemText(quiz, IDC_QUESTION_NUMBER)));
    EXPECT_EQ(Narrow(Wide1250("Zbývá: 1")), Narrow(Robot::ItemText(quiz, IDC_REMAINING)));
    EXPECT_EQ("Celkem: 2", Narrow(Robot::ItemText(quiz, IDC_TOTAL)));
    EXPECT_EQ(Narrow(Wide1250("Další otázka...")), Narrow(Robot::ItemText(quiz, IDC_NEXT)));

    // The right answer to the first question.
    Robot::Click(quiz, IDC_OPTION2);
    ASSERT_TRUE(WaitCheck(quiz, IDC_OPTION2));
    Robot::Click(quiz, IDC_NEXT);
    ExpectBox("Kvizar 2004", "Správná odpověď!", false, quiz, IDOK, quiz);
    ASSERT_TRUE(WaitForText(quiz, IDC_QUESTION_NUMBER, "Otázka č. 2"));
    EXPECT_EQ(Narrow(Wide1250("Zbývá: 0")), Narrow(Robot::ItemText(quiz, IDC_REMAINING)));
    EXPECT_EQ(Narrow(Wide1250("Dokončit test")), Narrow(Robot::ItemText(quiz, IDC_NEXT)));
    EXPECT_TRUE(Robot::IsChecked(quiz, IDC_OPTION1));

    // A wrong one to the second: the message quotes the right option.
    Robot::Click(quiz, IDC_OPTION3);
    ASSERT_TRUE(WaitCheck(quiz, IDC_OPTION3));
    Robot::Click(quiz, IDC_NEXT);
    ExpectBox("Kvizar 2004", "Špatně, správná odpověď je: osm!", false, quiz, IDOK, quiz);

    HWND results = robot->WaitForWindow(Wide1250("Výsledky testu"));
    ASSERT_NE(nullptr, results);
    EXPECT_EQ(Narrow(Wide1250("Název testu: Zkouška")), Narrow(Robot::ItemText(results, IDC_RESULT_NAME)));
    EXPECT_EQ("2", Narrow(Robot::ItemText(results, IDC_RESULT_COUNT)));
    EXPECT_EQ("1", Narrow(Robot::ItemText(results, IDC_RESULT_RIGHT)));
    EXPECT_EQ("1", Narrow(Robot::ItemText(results, IDC_RESULT_WRONG)));
    Robot::Click(results, IDOK);
    EXPECT_TRUE(robot->WaitUntilGone(Wide1250("Výsledky testu")));
    EXPECT_EQ(ExpectedFile(test), ReadFileBytes(testFile)) << "a run writes nothing";
}

void UserSession::EditUnchanged() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(WaitForFocus(sheet, IDCANCEL)) << "the edit sheet opens on Storno";
    ExpectShown(sheet, test[0]);
    Robot::Click(sheet, IDC_NEXT);
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    ExpectShown(sheet, test[1]);
    Robot::Click(sheet, IDC_NEXT);
    ExpectBox("Kvizar 2004", "Test byl uložen!", false, main, IDOK);
    EXPECT_EQ(ExpectedFile(test), ReadFileBytes(testFile)) << "an unchanged test is rewritten byte for byte";
}

void UserSession::CancelEditing() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    Robot::Type(sheet, IDC_QUESTION, Wide1250("Změněná otázka"));
    Robot::Click(sheet, IDC_NEXT);
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));

    Robot::Click(sheet, IDCANCEL);
    ExpectBox("Editace testu", "Opravdu chcete ukončit editaci testu?", true, sheet, IDNO, sheet);
    EXPECT_TRUE(IsWindow(sheet));
    Robot::Click(sheet, IDCANCEL);
    ExpectBox("Editace testu", "Opravdu chcete ukončit editaci testu?", true, sheet, IDYES, sheet);
    EXPECT_TRUE(robot->WaitUntilGone(Wide1250("Editace testu")));
    EXPECT_EQ(ExpectedFile(test), ReadFileBytes(testFile)) << "a cancelled edit leaves the file as it was";
}

void UserSession::EditChanged() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    test[0] = {{"Které město je hlavní?", "Brno", "Praha", "Ostrava", "Žďár"}, 3};
    Fill(sheet, test[0]);
    Robot::Click(sheet, IDC_NEXT);
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    Robot::Click(sheet, IDC_NEXT);
    ExpectBox("Kvizar 2004", "Test byl uložen!", false, main, IDOK);
    EXPECT_EQ(ExpectedFile(test), ReadFileBytes(testFile));
}

void UserSession::Quit() {
    QuitWithButton();
}

TEST_F(UserSession, WritesRunsEditsAndQuits) {
    const char* expectedCodePage = getenv("KVIZAR_EXPECT_ACP");
    if (expectedCodePage) {
        ASSERT_EQ(static_cast<UINT>(atoi(expectedCodePage)), GetACP()) << "the locale did not take effect";
    }
    std::cout << "ANSI code page " << GetACP() << "\n";

    const std::pair<const char*, void (UserSession::*)()> steps[] = {
        {"no test yet", &UserSession::NoTestYet},
        {"create a test", &UserSession::CreateTest},
        {"run it", &UserSession::RunTest},
        {"edit it unchanged", &UserSession::EditUnchanged},
        {"cancel editing", &UserSession::CancelEditing},
        {"edit it", &UserSession::EditChanged},
        {"quit", &UserSession::Quit},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.first);
        (this->*step.second)();
        if (HasFatalFailure())
            return;
    }
}
} // namespace
