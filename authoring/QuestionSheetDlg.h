#pragma once
// What the two question sheets share: one question of a borrowed array at a time, paged forward
// and back, each question stored into its record when the user leaves it. A sheet never
// allocates, frees, reads or writes the array or any file; it ends with OK only through
// "Dokončit" on the last question, and with Cancel only after the user has confirmed it.

#include "platform/Dialog.h"
#include "storage/QuestionRecord.h"

#include <array>
#include <cstdint>
#include <functional>

class CQuestionSheetDlg : public CDialog {
public:
    // Runs the sheet until the user has finished it and save has succeeded (true), or has
    // cancelled it (false). A save that fails has told the user why; the sheet then comes back on
    // its last question with everything typed, so the user can remove the cause and finish again.
    bool DoModalUntilSaved(const std::function<bool()>& save);

    // Set by the caller before DoModal: at least one record, borrowed, not owned.
    QuestionRecord* m_questions = nullptr;
    int32_t m_count = 0;

    CString m_question;
    CString m_answer1;
    CString m_answer2;
    CString m_answer3;
    CString m_answer4;
    int m_selected = 0; // checked option 0..3; -1 when none is checked
    int m_current = 0;  // index of the record shown

protected:
    // previousId: the backward button, whose ID differs between the two sheets' templates.
    CQuestionSheetDlg(UINT templateId, UINT previousId, CWnd* parent);

    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter in a text field gives the OK command: it must not page or close the sheet.
    void OnOK() override {}
    // Ends with Cancel once the user has confirmed it, in a box of this text and title.
    void ConfirmCancel(const char* text, const char* title);

    void OnNextQuestion();
    void OnPreviousQuestion();

    // False when the caller gave nothing to show; the sheet has then ended itself.
    bool HasQuestions() const { return m_questions != nullptr && m_count >= 1; }
    // Moves record m_current into the members.
    void LoadCurrent();

    // Shown again after a failed save: on the last question, filled from the records.
    bool m_reopened = false;

private:
    // The text members in record field order.
    std::array<CString*, kTextFieldCount> Texts();
    // False when a field holds a character Windows-1250 cannot: the user has been told, and
    // nothing is stored, so the question stays on the screen.
    bool StoreCurrent();
    void ShowCurrent();

    UINT m_previousId;
};
