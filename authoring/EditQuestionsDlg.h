#pragma once
// The question sheet of a stored test: opens on its first question with the stored values.

#include "authoring/QuestionSheetDlg.h"

class CEditQuestionsDlg : public CQuestionSheetDlg {
public:
    explicit CEditQuestionsDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
};
