// A tool, not a test: the robot's walk through every window of the real program, saving a picture
// of each for the README (scripts/screenshots.sh runs it with KVIZAR_SHOTS set to a folder).

#include "res/resource.h"
#include "tests/e2e/ProgramSession.h"
#include "tests/support/SheetFields.h"

#include <cstdlib>
#include <string>

namespace {
class Screenshots : public ProgramSession {
protected:
    void Shot(HWND window, const wchar_t* name) {
        Sleep(300); // the last paint
        EXPECT_TRUE(SaveWindowPicture(window, shots + L"\\" + name + L".bmp")) << Narrow(name);
    }
    // A message box answered with OK; pictured first when it has a name.
    void AnswerBox(const char* title, HWND except, const wchar_t* name) {
        ShownMessageBox shown;
        ASSERT_TRUE(robot->WaitForMessageBox(Wide1250(title), shown, except));
        if (name)
            Shot(shown.box, name);
        ASSERT_TRUE(robot->Answer(shown, IDOK));
    }
    void Answer(HWND quiz, int option, const wchar_t* shotName) {
        ASSERT_TRUE(Robot::Click(quiz, option));
        ASSERT_TRUE(WaitCheck(quiz, option));
        ASSERT_TRUE(Robot::Click(quiz, IDC_NEXT));
        AnswerBox("Kvizar 2004", quiz, shotName);
    }
    // Runs the test with these options; pictures the results.
    void RunWith(int first, int second, const wchar_t* resultsName, bool pictureQuiz) {
        ClickImageButton(kRunButton);
        HWND picker = robot->WaitForWindow(Wide1250("Spustit test"));
        ASSERT_NE(nullptr, picker);
        if (pictureQuiz)
            Shot(picker, L"picker");
        ASSERT_TRUE(Robot::Click(picker, IDOK));
        HWND quiz = robot->WaitForWindow(Wide1250("Kvizar 2004 - Zkouška"));
        ASSERT_NE(nullptr, quiz);
        if (pictureQuiz)
            Shot(quiz, L"quiz");
        Answer(quiz, first, pictureQuiz ? L"answer-right" : nullptr);
        Answer(quiz, second, pictureQuiz ? L"answer-wrong" : nullptr);
        HWND results = robot->WaitForWindow(Wide1250("Výsledky testu"));
        ASSERT_NE(nullptr, results);
        Shot(results, resultsName);
        ASSERT_TRUE(Robot::Click(results, IDOK));
        ASSERT_TRUE(robot->WaitUntilGone(Wide1250("Výsledky testu")));
    }

    std::wstring shots;
};

TEST_F(Screenshots, Tour) {
    const char* folder = std::getenv("KVIZAR_SHOTS");
    ASSERT_NE(nullptr, folder) << "run through scripts/screenshots.sh";
    shots = Wide1250(folder);
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    const std::wstring home = std::wstring(cwd) + L"\\tour";
    RemoveTree(home);
    CreateDirectoryW(home.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(BuiltProgramPath().c_str(), (home + L"\\kvizar.exe").c_str(), FALSE));
    // The pointer where a new X server puts it, clear of the main window at any scale: the first
    // picture then shows no button raised by wherever an earlier walk left it.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    Start(home + L"\\kvizar.exe");
    if (HasFatalFailure())
        return;

    Shot(main, L"main-window");
    robot->Hover(GetDlgItem(pane, kNewButton));
    Shot(main, L"main-window-hover");
    // Held down over "Spustit test", then let go elsewhere: no click.
    robot->Hover(GetDlgItem(pane, kRunButton));
    robot->Press();
    Shot(main, L"main-window-pressed");
    robot->Hover(main);
    robot->Release();

    ClickImageButton(kNewButton);
    HWND name = robot->WaitForWindow(Wide1250("Vytvořit nový test"));
    ASSERT_NE(nullptr, name);
    Robot::Type(name, IDC_TEST_NAME, Wide1250("Zkouška"));
    Robot::Type(name, IDC_QUESTION_COUNT, L"2");
    Shot(name, L"new-test");
    ASSERT_TRUE(Robot::Click(name, IDOK));
    HWND sheet = robot->WaitForWindow(Wide1250("Vytvoření nového testu"));
    ASSERT_NE(nullptr, sheet);
    const char* first[5] = {"Hlavní město České republiky?", "Brno", "Praha", "Ostrava", "Plzeň"};
    const char* second[5] = {"Kolik nohou má pavouk?", "osm", "šest", "čtyři", "deset"};
    for (int i = 0; i < 5; ++i)
        Robot::Type(sheet, kSheetFields[i], Wide1250(first[i]));
    ASSERT_TRUE(Robot::Click(sheet, IDC_OPTION2));
    ASSERT_TRUE(WaitCheck(sheet, IDC_OPTION2));
    Shot(sheet, L"create-sheet");
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    ASSERT_TRUE(WaitForText(sheet, IDC_QUESTION_LABEL, "Otázka č. 2"));
    for (int i = 0; i < 5; ++i)
        Robot::Type(sheet, kSheetFields[i], Wide1250(second[i]));
    ASSERT_TRUE(Robot::Click(sheet, IDC_NEXT));
    AnswerBox("Kvizar 2004", nullptr, L"created");

    RunWith(IDC_OPTION2, IDC_OPTION3, L"results-green", true);
    RunWith(IDC_OPTION1, IDC_OPTION2, L"results-red", false);

    HWND edit = PickFirstTest(kEditButton, "Editovat test", "Editace testu");
    ASSERT_NE(nullptr, edit);
    Shot(edit, L"edit-sheet");
    ASSERT_TRUE(Robot::Click(edit, IDCANCEL));
    ExpectBox("Editace testu", nullptr, true, edit, IDYES, edit);
    QuitWithButton();
}
} // namespace
