#include "authoring/EditTestWorkflow.h"

#include "authoring/EditQuestionsDlg.h"
#include "platform/ProgramMessages.h"
#include "platform/WinApp.h"
#include "storage/EditSelectDlg.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"

namespace {
// Loads the test, lets the user edit it and saves it back; true once it is saved. The file is
// not held open meanwhile, and the questions are freed when this returns, on every path.
bool EditTest(const std::wstring& path) {
    QuestionArray questions = LoadTestFile(path);
    if (questions.IsEmpty())
        return false; // the user has been told why
    CEditQuestionsDlg sheet;
    sheet.m_questions = questions.Data();
    sheet.m_count = questions.Count();
    // Until a save succeeds, the file stays as it was.
    return sheet.DoModalUntilSaved([&] { return SaveTestFile(path, questions); });
}
} // namespace

void EditTestWorkflow(CWnd& panel) {
    CEditSelectDlg picker;
    if (picker.DoModal() != IDOK)
        return;
    if (EditTest(BuildTestPath(picker.m_testName)))
        panel.MessageBoxA(ProgramMessages::kSaved.text, AfxGetAppName(), MB_OK | MB_ICONINFORMATION);
}
