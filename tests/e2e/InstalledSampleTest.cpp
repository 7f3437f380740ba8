// The portable ZIP as a user unpacks it: the program runs from the unpacked folder and the sample
// test that comes with it can be taken from start to end.

#include "tests/e2e/ProgramSession.h"
#include "res/resource.h"

#include <cstdlib>

namespace {
class InstalledSample : public ProgramSession {};

TEST_F(InstalledSample, TheSampleTestRuns) {
    // Set by the ZIP test's script: the unpacked kvizar.exe.
    const char* installed = std::getenv("KVIZAR_INSTALLED_EXE");
    ASSERT_NE(nullptr, installed) << "run through tests/e2e/zip_test.sh";
    Start(Wide1250(installed));
    if (HasFatalFailure())
        return;

    ClickImageButton(kRunButton);
    HWND picker = robot->WaitForWindow(Wide1250("Spustit test"));
    ASSERT_NE(nullptr, picker);
    EXPECT_EQ(Narrow(Wide1250("Všeobecné znalosti")),
              Narrow(Robot::ListEntry(GetDlgItem(picker, IDC_TEST_LIST), 0)));
    ASSERT_TRUE(Robot::Click(picker, IDOK));

    HWND quiz = robot->WaitForWindow(Wide1250("Kvizar 2004 - Všeobecné znalosti"));
    ASSERT_NE(nullptr, quiz);
    EXPECT_TRUE(Shows(quiz, IDC_TOTAL, "Celkem: 10"));
    EXPECT_TRUE(Shows(quiz, IDC_QUESTION_TEXT, "Která hora je nejvyšší v České republice?"));
    // Always the first option: two of the ten questions have it right.
    for (int question = 1; question <= 10; ++question) {
        SCOPED_TRACE(question);
        ShownMessageBox shown;
        ASSERT_TRUE(Robot::Click(quiz, IDC_NEXT));
        ASSERT_TRUE(robot->WaitForMessageBox(Wide1250("Kvizar 2004"), shown, quiz));
        ASSERT_TRUE(robot->Answer(shown, IDOK));
    }
    HWND results = robot->WaitForWindow(Wide1250("Výsledky testu"));
    ASSERT_NE(nullptr, results);
    EXPECT_TRUE(Shows(results, IDC_RESULT_COUNT, "10"));
    EXPECT_TRUE(Shows(results, IDC_RESULT_RIGHT, "2"));
    EXPECT_TRUE(Shows(results, IDC_RESULT_WRONG, "8"));
    ASSERT_TRUE(Robot::Click(results, IDOK));
    ASSERT_TRUE(robot->WaitUntilGone(Wide1250("Výsledky testu")));
    QuitWithButton();
}
} // namespace
