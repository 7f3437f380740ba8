#include "storage/EditSelectDlg.h"

#include "res/resource.h"

CEditSelectDlg::CEditSelectDlg(CWnd* parent) : CTestPickerDlg(IDD_EDIT_SELECT, parent) {}
