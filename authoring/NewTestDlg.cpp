#include "authoring/NewTestDlg.h"

#include "authoring/Cp1250Fields.h"
#include "platform/DataExchange.h"
#include "platform/File.h"
#include "platform/ProgramMessages.h"
#include "res/resource.h"
#include "storage/TestFolder.h"
#include "storage/TestName.h"

CNewTestDlg::CNewTestDlg(CWnd* parent) : CDialog(IDD_NEW_TEST, parent) {}

void CNewTestDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_TEST_NAME, m_testName);
    DDX_Text(pDX, IDC_QUESTION_COUNT, m_count);
}

void CNewTestDlg::OnOK() {
    // First, and alone: a name with a character Windows-1250 cannot hold would be taken with '?'
    // in its place, which no file name may hold.
    const int nameField[] = {IDC_TEST_NAME};
    if (!FieldsFitCp1250(*this, nameField))
        return;
    // A count that is no number has been refused with its own message; the checks still run, on
    // the count held before, and the final exchange refuses it again.
    UpdateData(TRUE);
    if (m_testName.IsEmpty()) {
        Refuse(ProgramMessages::kNoTestName.text, IDC_TEST_NAME);
    } else if (!IsUsableTestName(m_testName)) {
        Refuse(ProgramMessages::kUnusableTestName.text, IDC_TEST_NAME);
    } else if (m_count < 1) {
        Refuse(ProgramMessages::kTooFewQuestions.text, IDC_QUESTION_COUNT);
    } else if (m_count > kMaxQuestionCount) {
        CString text;
        text.Format(ProgramMessages::kTooManyQuestions.text, kMaxQuestionCount);
        Refuse(text, IDC_QUESTION_COUNT);
    } else if (TestExists()) {
        Refuse(ProgramMessages::kTestExists.text, 0);
    } else {
        CDialog::OnOK();
    }
}

void CNewTestDlg::Refuse(const char* text, int focusId) {
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    MessageBoxA(text, title, MB_OK | MB_ICONSTOP);
    if (focusId != 0)
        GetDlgItem(focusId).SetFocus();
}

bool CNewTestDlg::TestExists() const {
    CFile probe;
    return probe.Open(BuildTestPath(m_testName), CFile::modeRead) != FALSE;
}
