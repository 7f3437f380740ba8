#include "authoring/NewTestWorkflow.h"

#include "authoring/CreateQuestionsDlg.h"
#include "authoring/NewTestDlg.h"
#include "platform/ProgramMessages.h"
#include "platform/WinApp.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"

#include <new>

namespace {
// Lets the user fill a fresh test and saves it; true once it is saved, false once the user has
// cancelled. The questions are freed when this returns, on every path.
bool WriteNewTest(const CString& name, int count) {
    QuestionArray questions = QuestionArray::AllocateFresh(count);
    if (questions.IsEmpty())
        throw std::bad_alloc(); // reported where the command's handler is called
    CCreateQuestionsDlg sheet;
    sheet.m_questions = questions.Data();
    sheet.m_count = questions.Count();
    return sheet.DoModalUntilSaved([&] {
        // Only a finished test creates the folder.
        CreateTestFolder();
        return SaveTestFile(BuildTestPath(name), questions);
    });
}
} // namespace

void NewTestWorkflow(CWnd& panel) {
    CNewTestDlg nameDlg;
    if (nameDlg.DoModal() != IDOK)
        return;
    if (WriteNewTest(nameDlg.m_testName, nameDlg.m_count))
        panel.MessageBoxA(ProgramMessages::kCreated.text, AfxGetAppName(), MB_OK | MB_ICONINFORMATION);
}
