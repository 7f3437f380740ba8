#include "authoring/EditQuestionsDlg.h"

#include "platform/ProgramMessages.h"
#include "res/resource.h"

CEditQuestionsDlg::CEditQuestionsDlg(CWnd* parent)
    : CQuestionSheetDlg(IDD_EDIT_QUESTIONS, IDC_PREVIOUS_EDIT, parent) {}

// Shows the stored first question; the label keeps the template's "Otázka č. 1" and the focus
// goes to the first tab stop, "Storno". A sheet back after a failed save is shown already.
BOOL CEditQuestionsDlg::OnInitDialog() {
    const BOOL focusFirstTabStop = CQuestionSheetDlg::OnInitDialog();
    if (HasQuestions() && !m_reopened) {
        LoadCurrent();
        UpdateData(FALSE);
    }
    return focusFirstTabStop;
}

void CEditQuestionsDlg::OnCancel() {
    ConfirmCancel(ProgramMessages::kCancelEditing.text, "Editace testu");
}
