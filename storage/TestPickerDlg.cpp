#include "storage/TestPickerDlg.h"

#include "platform/DataExchange.h"
#include "platform/ListBox.h"
#include "res/resource.h"
#include "storage/TestFolder.h"

CTestPickerDlg::CTestPickerDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

BOOL CTestPickerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CListBox list;
    list.Attach(GetDlgItem(IDC_TEST_LIST));
    if (FillTestList(list) > 0) {
        list.SetCurSel(0);
        return TRUE;
    }
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    MessageBoxA("Nebyl nalezen žádný dostupný test!", title, MB_OK | MB_ICONSTOP);
    CDialog::OnCancel();
    return TRUE;
}

void CTestPickerDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_LBString(pDX, IDC_TEST_LIST, m_testName);
}
