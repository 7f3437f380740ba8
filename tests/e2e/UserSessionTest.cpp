// The finished program used from start to end as a user uses it: the real kvizar.exe in a fresh
// folder, its image buttons clicked with real mouse input, its dialogs filled and its message
// boxes answered, and the bytes of every file it writes checked.

#include "res/resource.h"
#include "tests/e2e/ProgramSession.h"
#include "tests/support/SheetFields.h"
#include "tests/support/TestFileSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const QuestionRecord kBlank = MakeRecord(0, {"", "", "", "", ""});

class UserSession : public ProgramSession {
protected:
    void SetUp() override {
        // A fresh folder per code page, with nothing but the exe in it. On a Western system it is
        // one that neither Windows-1250 nor 1252 can spell, as a user profile may be.
        wchar_t cwd[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, cwd);
        folder = std::wstring(cwd) + L"\\session-" + std::to_wstring(GetACP());
        if (GetACP() != 1250)
            folder += L"-\u0422\u0435\u0441\u0442-Mu\u00f1oz";
        RemoveTree(folder);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        const std::wstring exe = folder + L"\\kvizar.exe";
        ASSERT_TRUE(CopyFileW(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << Narrow(BuiltProgramPath());
        testFile = folder + L"\\Kvizar\\" + Wide1250("Zkouška") + L".tst";

        Start(exe);
    }

    void Fill(HWND sheet, const QuestionRecord& q) {
        for (int i = 0; i < kTextFieldCount; ++i)
            Robot::Type(sheet, kSheetFields[i], Wide1250(q.text[i]));
        ASSERT_TRUE(Robot::Click(sheet, IDC_OPTION1 + q.correct));
        ASSERT_TRUE(WaitCheck(sheet, IDC_OPTION1 + q.correct));
    }

    void ExpectShown(HWND sheet, const QuestionRecord& q) {
        for (int i = 0; i < kTextFieldCount; ++i)
            EXPECT_TRUE(Shows(sheet, kSheetFields[i], q.text[i]));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(k == q.correct, IsChecked(sheet, IDC_OPTION1 + k)) << "option " << k + 1;
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
    std::vector<QuestionRecord> test = {
        MakeRecord(1, {"Hlavní město České republiky?", "Brno", "Praha", "Ostrava", "Plzeň"}),
        MakeRecord(0, {"Kolik nohou má pavouk?", "osm", "šest", "čtyři", "deset"}),
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
        EXPECT_EQ(Narrow(Wide1250(picker)), Narrow(WindowText(shown.owner))) << "owned by the picker";
        ASSERT_TRUE(robot->Answer(shown, IDOK));
        EXPECT_TRUE(robot->WaitUntilGone(Wide1250(picker))) << "the picker cancels itself";
    }
    EXPECT_FALSE(Exists(folder + L"\\Kvizar")) << "listing never creates the test folder";
}

void UserSession::CreateTest() {
    ClickImageButton(kNewButton);
    HWND name = robot->WaitForWindow(Wide1250("Vytvořit nový test"));
    ASSERT_NE(nullptr, name);
    EXPECT_TRUE(Shows(name, IDC_TEST_NAME, "Nový test"));
    EXPECT_TRUE(Shows(name, IDC_QUESTION_COUNT, "10"));
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    Robot::Type(name, IDC_QUESTION_COUNT, L"0");
    ASSERT_TRUE(Robot::Click(name, IDOK));
    ExpectBox("Chyba", "Počet otázek musí být větší než nula!", false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_QUESTION_COUNT));

    Robot::Type(name, IDC_TEST_NAME, L"");
    ASSERT_TRUE(Robot::Click(name, IDOK));
    ExpectBox("Chyba", "Musíte zadat název testu!", false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    // A name that cannot be a file name is refused before any question is typed.
    Robot::Type(name, IDC_TEST_NAME, L"a:b");
    Robot::Type(name, IDC_QUESTION_COUNT, L"2");
    ASSERT_TRUE(Robot::Click(name, IDOK));
    ExpectBox("Chyba", nullptr, false, name, IDOK);
    EXPECT_TRUE(WaitForFocus(name, IDC_TEST_NAME));

    Robot::Type(name, IDC_TEST_NAME, Wide1250("Zkouška"));
    ASSERT_TRUE(Robot::Click(name, IDOK));
    HWND sheet = robot->WaitForWindow(Wide1250("Vytvoření nového testu"));
    ASSERT_NE(nullptr, sheet);
    EXPECT_FALSE(IsWindow(name));

    EXPECT_TRUE(Shows(sheet, IDC_QUESTION_LABEL, "Otázka č. 1"));
    EXPECT_TRUE(Shows(sheet, IDC_NEXT, "Další otázka..."));
    EXPECT_FALSE(CanPress(sheet, IDC_PREVIOUS_CREATE));
    EXPECT_TRUE(WaitForFocus(sheet, IDC_QUESTION));
    ExpectShown(sheet, kBlank);

    Fill(sheet, test[0]);
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    EXPECT_TRUE(Shows(sheet, IDC_NEXT, "Dokončit"));
    EXPECT_TRUE(CanPress(sheet, IDC_PREVIOUS_CREATE));
    ExpectShown(sheet, kBlank);
    Fill(sheet, test[1]);

    // No keeps the sheet with its unstored input.
    ASSERT_TRUE(Robot::Click(sheet, IDCANCEL));
    ExpectBox("Návrh nového testu", "Opravdu chcete ukončit tvorbu testu?", true, sheet, IDNO);
    EXPECT_TRUE(IsWindow(sheet));
    EXPECT_TRUE(Shows(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    ExpectShown(sheet, test[1]);

    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ExpectBox("Kvizar 2004", "Test byl úspěšně vytvořen!", false, main, IDOK);
    EXPECT_EQ(FileOf(test), ReadBytes(testFile));
}

void UserSession::RunTest() {
    ClickImageButton(kRunButton);
    HWND picker = robot->WaitForWindow(Wide1250("Spustit test"));
    ASSERT_NE(nullptr, picker);
    HWND list = GetDlgItem(picker, IDC_TEST_LIST);
    EXPECT_EQ(1, SendBounded(list, LB_GETCOUNT));
    EXPECT_EQ(0, SendBounded(list, LB_GETCURSEL));
    EXPECT_EQ(Narrow(Wide1250("Zkouška")), Narrow(Robot::ListEntry(list, 0)));
    ASSERT_TRUE(Robot::Click(picker, IDOK));

    HWND quiz = robot->WaitForWindow(Wide1250("Kvizar 2004 - Zkouška"));
    ASSERT_NE(nullptr, quiz);
    EXPECT_TRUE(Shows(quiz, IDC_QUESTION_TEXT, test[0].text[FieldQuestion]));
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(Shows(quiz, IDC_OPTION1 + k, test[0].text[FieldAnswer1 + k]));
    EXPECT_TRUE(IsChecked(quiz, IDC_OPTION1)) << "the first option is preselected";
    EXPECT_TRUE(Shows(quiz, IDC_QUESTION_NUMBER, "Otázka č. 1"));
    EXPECT_TRUE(Shows(quiz, IDC_REMAINING, "Zbývá: 1"));
    EXPECT_TRUE(Shows(quiz, IDC_TOTAL, "Celkem: 2"));
    EXPECT_TRUE(Shows(quiz, IDC_NEXT, "Další otázka..."));

    // The right answer to the first question.
    ASSERT_TRUE(Robot::Click(quiz, IDC_OPTION2));
    ASSERT_TRUE(WaitCheck(quiz, IDC_OPTION2));
    ASSERT_TRUE(Robot::Click(quiz, IDC_NEXT));
    ExpectBox("Kvizar 2004", "Správná odpověď!", false, quiz, IDOK, quiz);
    ASSERT_TRUE(WaitForText(quiz, IDC_QUESTION_NUMBER, "Otázka č. 2"));
    EXPECT_TRUE(Shows(quiz, IDC_REMAINING, "Zbývá: 0"));
    EXPECT_TRUE(Shows(quiz, IDC_NEXT, "Dokončit test"));
    EXPECT_TRUE(IsChecked(quiz, IDC_OPTION1));

    // A wrong one to the second: the message quotes the right option.
    ASSERT_TRUE(Robot::Click(quiz, IDC_OPTION3));
    ASSERT_TRUE(WaitCheck(quiz, IDC_OPTION3));
    ASSERT_TRUE(Robot::Click(quiz, IDC_NEXT));
    ExpectBox("Kvizar 2004", "Špatně, správná odpověď je: osm!", false, quiz, IDOK, quiz);

    HWND results = robot->WaitForWindow(Wide1250("Výsledky testu"));
    ASSERT_NE(nullptr, results);
    EXPECT_TRUE(Shows(results, IDC_RESULT_NAME, "Název testu: Zkouška"));
    EXPECT_TRUE(Shows(results, IDC_RESULT_COUNT, "2"));
    EXPECT_TRUE(Shows(results, IDC_RESULT_RIGHT, "1"));
    EXPECT_TRUE(Shows(results, IDC_RESULT_WRONG, "1"));
    ASSERT_TRUE(Robot::Click(results, IDOK));
    EXPECT_TRUE(robot->WaitUntilGone(Wide1250("Výsledky testu")));
    EXPECT_EQ(FileOf(test), ReadBytes(testFile)) << "a run writes nothing";
}

void UserSession::EditUnchanged() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    EXPECT_TRUE(WaitForFocus(sheet, IDCANCEL)) << "the edit sheet opens on Storno";
    ExpectShown(sheet, test[0]);
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    ExpectShown(sheet, test[1]);
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ExpectBox("Kvizar 2004", "Test byl uložen!", false, main, IDOK);
    EXPECT_EQ(FileOf(test), ReadBytes(testFile)) << "an unchanged test is rewritten byte for byte";
}

void UserSession::CancelEditing() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    Robot::Type(sheet, IDC_QUESTION, Wide1250("Změněná otázka"));
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));

    ASSERT_TRUE(Robot::Click(sheet, IDCANCEL));
    ExpectBox("Editace testu", "Opravdu chcete ukončit editaci testu?", true, sheet, IDNO, sheet);
    EXPECT_TRUE(IsWindow(sheet));
    ASSERT_TRUE(Robot::Click(sheet, IDCANCEL));
    ExpectBox("Editace testu", "Opravdu chcete ukončit editaci testu?", true, sheet, IDYES, sheet);
    EXPECT_TRUE(robot->WaitUntilGone(Wide1250("Editace testu")));
    EXPECT_EQ(FileOf(test), ReadBytes(testFile)) << "a cancelled edit leaves the file as it was";
}

void UserSession::EditChanged() {
    HWND sheet = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, sheet);
    test[0] = MakeRecord(3, {"Které město je hlavní?", "Brno", "Praha", "Ostrava", "Žďár"});
    Fill(sheet, test[0]);
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ExpectBox("Kvizar 2004", "Test byl uložen!", false, main, IDOK);
    EXPECT_EQ(FileOf(test), ReadBytes(testFile));
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
