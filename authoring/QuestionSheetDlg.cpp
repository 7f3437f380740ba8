#include "authoring/QuestionSheetDlg.h"

#include "authoring/Cp1250Fields.h"
#include "platform/DataExchange.h"
#include "res/resource.h"

#include <algorithm>
#include <cstring>

namespace {
const char kNextCaption[] = "Další otázka...";
const char kFinishCaption[] = "Dokončit";

// The five text fields in record order, which is also their tab order in both templates; each
// holds at most kTextFieldSize - 1 bytes of text.
const int kTextControls[kTextFieldCount] = {IDC_QUESTION, IDC_ANSWER1, IDC_ANSWER2, IDC_ANSWER3, IDC_ANSWER4};

// Copies a text into a record field, cut to what the field can hold with its NUL, so no text,
// however it got into its control, can run past the field.
void StoreText(char (&field)[kTextFieldSize], const CString& text) {
    const size_t length = std::min<size_t>(static_cast<size_t>(text.GetLength()), kTextFieldSize - 1);
    std::memcpy(field, text.GetString(), length);
    field[length] = '\0';
}

// A field's text up to its NUL, never reading past the field.
CString LoadText(const char (&field)[kTextFieldSize]) {
    return CString(field, static_cast<int>(TextFieldLength(field)));
}
} // namespace

CQuestionSheetDlg::CQuestionSheetDlg(UINT templateId, UINT previousId, CWnd* parent)
    : CDialog(templateId, parent), m_previousId(previousId) {}

// The backward button has one ID in each template; a sheet meets only its own.
const MessageMap* CQuestionSheetDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnClicked(IDC_NEXT, &CQuestionSheetDlg::OnNextQuestion),
        OnClicked(IDC_PREVIOUS_CREATE, &CQuestionSheetDlg::OnPreviousQuestion),
        OnClicked(IDC_PREVIOUS_EDIT, &CQuestionSheetDlg::OnPreviousQuestion),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

bool CQuestionSheetDlg::DoModalUntilSaved(const std::function<bool()>& save) {
    for (;;) {
        if (DoModal() != IDOK)
            return false;
        if (save())
            return true;
        m_current = m_count - 1;
        m_reopened = true;
    }
}

void CQuestionSheetDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_QUESTION, m_question);
    DDX_Text(pDX, IDC_ANSWER1, m_answer1);
    DDX_Text(pDX, IDC_ANSWER2, m_answer2);
    DDX_Text(pDX, IDC_ANSWER3, m_answer3);
    DDX_Text(pDX, IDC_ANSWER4, m_answer4);
    DDX_Radio(pDX, IDC_OPTION1, m_selected);
}

BOOL CQuestionSheetDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // A typed text must fit its record field with the NUL; in Windows-1250 a character is a byte.
    for (int id : kTextControls)
        GetDlgItem(id).SendMessage(EM_LIMITTEXT, kTextFieldSize - 1);
    if (!HasQuestions()) {
        // Nothing to show or store: the callers never do this, but a sheet must not write outside
        // the array.
        EndDialog(IDCANCEL);
        return TRUE;
    }
    if (m_count == 1)
        GetDlgItem(IDC_NEXT).SetWindowTextA(kFinishCaption);
    if (m_reopened) {
        // Back after a failed save, where "Dokončit" was pressed, as if paged to.
        GetDlgItem(IDC_NEXT).SetWindowTextA(kFinishCaption);
        GetDlgItem(m_previousId).EnableWindow(m_current > 0);
        ShowCurrent();
        return FALSE; // the question field has the focus
    }
    // The first tab stop takes the focus: the question field, or "Storno" in the edit sheet.
    return TRUE;
}

void CQuestionSheetDlg::ConfirmCancel(const char* text, const char* title) {
    if (MessageBoxA(text, title, MB_YESNO | MB_ICONQUESTION) == IDYES)
        CDialog::OnCancel();
}

// "Další otázka..." or, on the last question, "Dokončit".
void CQuestionSheetDlg::OnNextQuestion() {
    if (m_current >= m_count)
        return; // finished already; the dialog is closing
    if (!StoreCurrent())
        return;
    GetDlgItem(m_previousId).EnableWindow(TRUE);
    ++m_current;
    if (m_current + 1 == m_count)
        GetDlgItem(IDC_NEXT).SetWindowTextA(kFinishCaption);
    if (m_current == m_count) {
        // The base OK, not the sheet's empty one; the label and the focus stay as they are.
        CDialog::OnOK();
        return;
    }
    ShowCurrent();
}

// "Předchozí otázka...", enabled only after the first question.
void CQuestionSheetDlg::OnPreviousQuestion() {
    if (m_current <= 0)
        return; // a click that got past the disabled button must not step before the array
    if (!StoreCurrent())
        return;
    CWnd next = GetDlgItem(IDC_NEXT);
    next.EnableWindow(TRUE);
    next.SetWindowTextA(kNextCaption);
    --m_current;
    if (m_current == 0)
        GetDlgItem(m_previousId).EnableWindow(FALSE);
    ShowCurrent();
}

std::array<CString*, kTextFieldCount> CQuestionSheetDlg::Texts() {
    return {&m_question, &m_answer1, &m_answer2, &m_answer3, &m_answer4};
}

bool CQuestionSheetDlg::StoreCurrent() {
    if (!FieldsFitCp1250(*this, kTextControls))
        return false;
    UpdateData(TRUE);
    QuestionRecord& record = m_questions[m_current];
    const auto texts = Texts();
    for (int i = 0; i < kTextFieldCount; ++i)
        StoreText(record.text[i], *texts[i]);
    record.correct = m_selected;
    return true;
}

void CQuestionSheetDlg::LoadCurrent() {
    const QuestionRecord& record = m_questions[m_current];
    m_selected = record.correct;
    const auto texts = Texts();
    for (int i = 0; i < kTextFieldCount; ++i)
        *texts[i] = LoadText(record.text[i]);
}

void CQuestionSheetDlg::ShowCurrent() {
    LoadCurrent();
    UpdateData(FALSE);
    GetDlgItem(IDC_QUESTION).SetFocus();
    CString label;
    label.Format("Otázka č. %d", m_current + 1);
    SetDlgItemTextA(IDC_QUESTION_LABEL, label);
}
