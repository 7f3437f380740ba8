#include "authoring/EditQuestionsDlg.h"

#include "res/resource.h"

CEditQuestionsDlg::CEditQuestionsDlg(CWnd* parent)
    : CQuestionSheetDlg(IDD_EDIT_QUESTIONS, IDC_PREVIOUS_EDIT, parent) {}

// Shows the stored first question; the label keeps the template's "Otázka č. 1" and the focus
// goes to the first tab stop, "Storno".
BOOL CEditQuestionsDlg::OnInitDialog() {
    CQuestionSheetDlg::OnInitDialog();
    if (HasQuestions()) {
        LoadCurrent();
        UpdateData(FALSE);
    }
    return TRUE;
}

void CEditQuestionsDlg::OnCancel() {
    ConfirmCancel("Opravdu chcete ukončit editaci testu?", "Editace testu");
}
