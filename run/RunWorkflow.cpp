#include "run/RunWorkflow.h"

#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "storage/RunSelectDlg.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"

void RunTestWorkflow(CWnd&) {
    CRunSelectDlg picker;
    // Only OK goes on: a dialog that could not even open (-1) must not run anything.
    if (picker.DoModal() != IDOK)
        return; // also when there was no test to pick, which the picker has said
    const CString testName = picker.m_testName;
    QuestionArray questions = LoadTestFile(BuildTestPath(testName));
    if (questions.IsEmpty())
        return; // the loader has told the user why

    CRunTestDlg quiz;
    quiz.m_questions = questions.Data();
    quiz.m_count = questions.Count();
    quiz.m_testName = testName;
    if (quiz.DoModal() != IDOK)
        return; // an abandoned run shows no results

    CResultsDlg results;
    results.m_testName = testName;
    results.m_correct = quiz.m_correct;
    results.m_wrong = quiz.m_wrong;
    results.m_count = questions.Count();
    results.DoModal();
}
