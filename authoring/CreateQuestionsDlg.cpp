#include "authoring/CreateQuestionsDlg.h"

#include "res/resource.h"

namespace {
const CQuestionSheetDlg::Kind kCreateSheet = {IDD_CREATE_QUESTIONS, IDC_PREVIOUS_CREATE,
                                              "Opravdu chcete ukončit tvorbu testu?", "Návrh nového testu",
                                              false};
}

CCreateQuestionsDlg::CCreateQuestionsDlg(CWnd* parent) : CQuestionSheetDlg(kCreateSheet, parent) {}

const MessageMap* CCreateQuestionsDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnClicked(IDC_PREVIOUS_CREATE, &CCreateQuestionsDlg::OnPreviousQuestion),
    };
    static const MessageMap map = MakeMessageMap(CQuestionSheetDlg::GetMessageMap(), entries);
    return &map;
}
