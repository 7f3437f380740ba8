#pragma once
// The question sheet of a stored test: opens on its first question with the stored values.

#include "authoring/QuestionSheetDlg.h"

class CEditQuestionsDlg : public CQuestionSheetDlg {
public:
    explicit CEditQuestionsDlg(CWnd* parent = nullptr);

    // Set by the caller before DoModal: at least one record, borrowed, not owned.
    QuestionRecord* m_questions = nullptr;
    int32_t m_count = 0;

protected:
    QuestionRecord* Questions() const override { return m_questions; }
    int32_t Count() const override { return m_count; }
    const MessageMap* GetMessageMap() const override;
};
