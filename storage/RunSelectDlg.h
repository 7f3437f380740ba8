#pragma once
// The test picker shown before a run.

#include "storage/TestPickerDlg.h"

class CRunSelectDlg : public CTestPickerDlg {
public:
    explicit CRunSelectDlg(CWnd* parent = nullptr);
};
