#pragma once
// The question sheet of a new test: fresh records, filled in one by one.

#include "authoring/QuestionSheetDlg.h"

class CCreateQuestionsDlg : public CQuestionSheetDlg {
public:
    explicit CCreateQuestionsDlg(CWnd* parent = nullptr);

    // Set by the caller before DoModal: at least one record, borrowed, not owned.
    int32_t m_count = 0;
    QuestionRecord* m_questions = nullptr;

protected:
    QuestionRecord* Questions() const override { return m_questions; }
    int32_t Count() const override { return m_count; }
    const MessageMap* GetMessageMap() const override;
};
