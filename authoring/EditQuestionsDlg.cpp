#include "authoring/EditQuestionsDlg.h"

#include "res/resource.h"

namespace {
const CQuestionSheetDlg::Kind kEditSheet = {IDD_EDIT_QUESTIONS, IDC_PREVIOUS_EDIT,
                                            "Opravdu chcete ukončit editaci testu?", "Editace testu", true};
}

CEditQuestionsDlg::CEditQuestionsDlg(CWnd* parent) : CQuestionSheetDlg(kEditSheet, parent) {}

const MessageMap* CEditQuestionsDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnClicked(IDC_PREVIOUS_EDIT, &CEditQuestionsDlg::OnPreviousQuestion),
    };
    static const MessageMap map = MakeMessageMap(CQuestionSheetDlg::GetMessageMap(), entries);
    return &map;
}
