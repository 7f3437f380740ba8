#pragma once
// The quiz: shows a test's questions one at a time with their four options as radio buttons,
// judges every answer at once with a message box and counts it. Ends with OK after the last
// question (the counts are then final) or with Cancel when the user abandons the test.

#include "platform/Dialog.h"
#include "platform/Font.h"
#include "storage/QuestionRecord.h"

class CRunTestDlg : public CDialog {
public:
    CRunTestDlg();

    const QuestionRecord* m_questions = nullptr; // borrowed, read only; the workflow owns and frees it
    int m_count = 0;
    int m_correct = 0;
    int m_wrong = 0;
    CString m_testName;
    int m_selected = -1;
    CString m_questionText;
    int m_current = 0;
    CFont m_questionFont;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter on an option must not end the quiz: only the answer button moves on.
    void OnOK() override {}
    void OnCancel() override;

    void OnNextQuestion();

private:
    void ShowQuestion(int index);
    void Judge();
    void SetLabel(int id, const char* format, int value);
};
