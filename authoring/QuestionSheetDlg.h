#pragma once
// What the two question sheets share: one question of a borrowed array at a time, paged forward
// and back, each question stored into its record when the user leaves it. A sheet never
// allocates, frees, reads or writes the array or any file; it ends with OK only through
// "Dokončit" on the last question, and with Cancel only after the user has confirmed it.

#include "platform/Dialog.h"
#include "storage/QuestionRecord.h"

#include <array>
#include <cstdint>

class CQuestionSheetDlg : public CDialog {
public:
    CString m_question;
    CString m_answer1;
    CString m_answer2;
    CString m_answer3;
    CString m_answer4;
    int m_selected = 0; // checked option 0..3; -1 when none is checked
    int m_current = 0;  // index of the record shown

    // What tells one sheet from the other.
    struct Kind {
        UINT templateId;
        UINT previousId; // the backward button
        const char* cancelText;
        const char* cancelTitle;
        bool fillOnOpen; // the edit sheet opens on the stored first record
    };

protected:
    CQuestionSheetDlg(const Kind& kind, CWnd* parent);

    // The borrowed array and its count, declared by each sheet in its own order.
    virtual QuestionRecord* Questions() const = 0;
    virtual int32_t Count() const = 0;

    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter in a text field gives the OK command: it must not page or close the sheet.
    void OnOK() override {}
    void OnCancel() override;

    void OnNextQuestion();
    void OnPreviousQuestion();

private:
    // The text members in record field order.
    std::array<CString*, kTextFieldCount> Texts();
    void StoreCurrent();
    void LoadCurrent();
    void ShowCurrent();

    Kind m_kind;
};
