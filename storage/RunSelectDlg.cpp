#include "storage/RunSelectDlg.h"

#include "res/resource.h"

CRunSelectDlg::CRunSelectDlg(CWnd* parent) : CTestPickerDlg(IDD_RUN_SELECT, parent) {}
