#pragma once
// What both test pickers do: list the stored tests by name, sorted, the first one selected; on OK
// m_testName holds the selected name. With no test to offer the user is told so and the picker
// cancels itself before it is ever shown.

#include "platform/Dialog.h"

class CTestPickerDlg : public CDialog {
public:
    CString m_testName;

protected:
    explicit CTestPickerDlg(UINT templateId, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
