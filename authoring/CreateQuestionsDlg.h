#pragma once
// The question sheet of a new test: fresh records, filled in one by one.

#include "authoring/QuestionSheetDlg.h"

class CCreateQuestionsDlg : public CQuestionSheetDlg {
public:
    explicit CCreateQuestionsDlg(CWnd* parent = nullptr);

protected:
    void OnCancel() override;
};
