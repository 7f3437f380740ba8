#include "authoring/CreateQuestionsDlg.h"

#include "res/resource.h"

CCreateQuestionsDlg::CCreateQuestionsDlg(CWnd* parent)
    : CQuestionSheetDlg(IDD_CREATE_QUESTIONS, IDC_PREVIOUS_CREATE, parent) {}

void CCreateQuestionsDlg::OnCancel() {
    ConfirmCancel("Opravdu chcete ukončit tvorbu testu?", "Návrh nového testu");
}
