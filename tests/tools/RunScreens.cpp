// Shows the quiz or the results window with sample data, for screenshots, until it is ended or 30
// seconds have passed, so a screenshot script can never leave it behind.
// Usage: run_screens.exe quiz | results-green | results-red

#include "platform/WinApp.h"
#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "tests/run/RunTesting.h"

#include <cstring>

namespace {
const UINT kLifetimeMs = 30000;

const std::vector<QuizQuestion> kSampleTest = {
    {"Které město je správním střediskem Jihomoravského kraje?", {"Praha", "Brno", "Ostrava", "Olomouc"}, 1},
    {"Kolik obyvatel má Česká republika?",
     {"asi 5 milionů", "asi 10,5 milionu", "asi 15 milionů", "asi 20 milionů"},
     1},
    {"Která řeka protéká Prahou?", {"Vltava", "Morava", "Odra", "Dyje"}, 0},
};

void CALLBACK EndAfterLifetime(HWND dialog, UINT, UINT_PTR, DWORD) {
    EndDialog(dialog, IDCANCEL);
}

int ShowQuiz() {
    QuestionArray questions = MakeQuestions(kSampleTest);
    CRunTestDlg dlg;
    dlg.m_questions = questions.Data();
    dlg.m_count = questions.Count();
    dlg.m_testName = "Zeměpis České republiky";
    return static_cast<int>(dlg.DoModal());
}

int ShowResults(int correct, int count) {
    CResultsDlg dlg;
    dlg.m_testName = "Zeměpis České republiky";
    dlg.m_correct = correct;
    dlg.m_wrong = count - correct;
    dlg.m_count = count;
    return static_cast<int>(dlg.DoModal());
}
} // namespace

int main(int argc, char** argv) {
    CWinApp app;
    CDialog::SetTestScript(
        [](CDialog& dialog) { SetTimer(dialog.m_hWnd, 1, kLifetimeMs, EndAfterLifetime); });
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "quiz") == 0)
        return ShowQuiz();
    if (std::strcmp(mode, "results-green") == 0)
        return ShowResults(2, 3);
    if (std::strcmp(mode, "results-red") == 0)
        return ShowResults(1, 3);
    return 2;
}
