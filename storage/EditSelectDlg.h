#pragma once
// The test picker shown before editing.

#include "storage/TestPickerDlg.h"

class CEditSelectDlg : public CTestPickerDlg {
public:
    explicit CEditSelectDlg(CWnd* parent = nullptr);
};
