#include "storage/TestPickerDlg.h"

#include "platform/DataExchange.h"
#include "platform/FileFind.h"
#include "platform/ListBox.h"
#include "platform/ProgramMessages.h"
#include "res/resource.h"
#include "storage/TestFolder.h"

namespace {
// Fills the list with the names of the stored tests; returns the number of entries. A file whose
// name Windows-1250 cannot hold is no test of this program: it is not listed.
int FillTestList(CListBox& list) {
    CFileFind finder;
    BOOL working = finder.FindFile(TestFolderPath() + L"\\*");
    while (working) {
        working = finder.FindNextFile();
        // A directory named like a test, or a name this program could not open again, is no test.
        if (finder.IsDirectory() || !finder.IsNameInCodePage())
            continue;
        const CString fileName = finder.GetFileName();
        if (IsTestFileName(fileName))
            list.AddString(fileName.Left(fileName.GetLength() - 4));
    }
    return list.GetCount();
}
} // namespace

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
    MessageBoxA(ProgramMessages::kNoTestFound.text, title, MB_OK | MB_ICONSTOP);
    CDialog::OnCancel();
    return TRUE;
}

void CTestPickerDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_LBString(pDX, IDC_TEST_LIST, m_testName);
}
