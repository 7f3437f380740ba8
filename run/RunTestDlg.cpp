#include "run/RunTestDlg.h"

#include "platform/DataExchange.h"
#include "platform/ProgramMessages.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "run/Scoring.h"

namespace {
const char kFinishCaption[] = "Dokončit test";
const int kOptionCount = 4;
} // namespace

CRunTestDlg::CRunTestDlg() : CDialog(IDD_RUN_TEST) {}

const MessageMap* CRunTestDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnClicked(IDC_NEXT, &CRunTestDlg::OnNextQuestion),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

void CRunTestDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, IDC_OPTION1, m_selected);
    DDX_Text(pDX, IDC_QUESTION_TEXT, m_questionText);
}

BOOL CRunTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowTextA("Kvizar 2004 - " + m_testName);
    // Only the question stands out; every other control keeps the dialog font.
    m_questionFont.CreatePointFont(100, "Arial");
    GetDlgItem(IDC_QUESTION_TEXT)
        .SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_questionFont.m_hObject), TRUE);
    if (m_count == 1)
        SetDlgItemTextA(IDC_NEXT, kFinishCaption);
    ShowQuestion(m_current);
    SetLabel(IDC_TOTAL, "Celkem: %d", m_count);
    SetLabel(IDC_REMAINING, "Zbývá: %d", m_count - 1);
    // The question number keeps the template's "Otázka č. 1" for the first question.
    return TRUE; // the focus goes to the first option
}

// Every question starts with its first option checked, so the group never shows no selection.
void CRunTestDlg::ShowQuestion(int index) {
    const QuestionRecord& record = m_questions[index];
    m_questionText = record.text[FieldQuestion];
    for (int k = 0; k < kOptionCount; ++k)
        SetDlgItemTextA(IDC_OPTION1 + k, record.text[FieldAnswer1 + k]);
    m_selected = 0;
    UpdateData(FALSE);
}

void CRunTestDlg::SetLabel(int id, const char* format, int value) {
    CString text;
    text.Format(format, value);
    SetDlgItemTextA(id, text);
}

// The click of the answer button: judges the checked option, then shows the next question or,
// after the last one, ends the quiz with OK past the empty OnOK.
void CRunTestDlg::OnNextQuestion() {
    UpdateData(TRUE);
    Judge();
    ++m_current;
    if (m_current + 1 == m_count)
        SetDlgItemTextA(IDC_NEXT, kFinishCaption);
    if (m_current == m_count) {
        CDialog::OnOK();
        return;
    }
    ShowQuestion(m_current);
    SetLabel(IDC_REMAINING, "Zbývá: %d", m_count - m_current - 1);
    SetLabel(IDC_QUESTION_NUMBER, "Otázka č. %d", m_current + 1);
}

// Tells the user whether the checked option was the right one, quoting the right option as its
// radio button shows it, and counts the answer once the box is closed. A correct index outside the
// four options (only a foreign file holds one) makes every answer wrong and quotes nothing.
void CRunTestDlg::Judge() {
    const int correct = m_questions[m_current].correct;
    const bool valid = correct >= 0 && correct < kOptionCount;
    if (valid && m_selected == correct) {
        MessageBoxA(FromUtf8(Scoring::kRightAnswer), AfxGetAppName(), MB_OK | MB_ICONINFORMATION);
        ++m_correct;
        return;
    }
    const CString rightOption = valid ? GetDlgItemTextA(IDC_OPTION1 + correct) : CString();
    MessageBoxA(FromUtf8(Scoring::kWrongAnswer) + rightOption + FromUtf8(Scoring::kWrongAnswerEnd),
                AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
    ++m_wrong;
}

// Storno, Escape and the close box: abandoning loses the answers, so ask first.
void CRunTestDlg::OnCancel() {
    if (MessageBoxA(ProgramMessages::kCancelRun.text, AfxGetAppName(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        CDialog::OnCancel();
}
