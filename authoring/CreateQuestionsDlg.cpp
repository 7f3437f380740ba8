#include "authoring/CreateQuestionsDlg.h"

#include "platform/ProgramMessages.h"
#include "res/resource.h"

CCreateQuestionsDlg::CCreateQuestionsDlg(CWnd* parent)
    : CQuestionSheetDlg(IDD_CREATE_QUESTIONS, IDC_PREVIOUS_CREATE, parent) {}

void CCreateQuestionsDlg::OnCancel() {
    ConfirmCancel(ProgramMessages::kCancelCreating.text, "Návrh nového testu");
}
