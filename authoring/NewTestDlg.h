#pragma once
// Asks for a new test's name and number of questions; OK only for a name that can become a new
// test file and a count the program can hold.

#include "platform/Dialog.h"
#include "storage/QuestionRecord.h"

class CNewTestDlg : public CDialog {
public:
    explicit CNewTestDlg(CWnd* parent = nullptr);

    CString m_testName = "Nový test";
    int m_count = 10;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The checks, in order, stopping at the first that fails: one message per press.
    void OnOK() override;

private:
    // Tells the user why the input is refused; the focus goes to focusId unless it is 0.
    void Refuse(const char* text, int focusId);
    // Whether a file of that test's name exists and opens; a failure to open is silent.
    bool TestExists() const;
};
