#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/ListBox.h"
#include "res/resource.h"
#include "tests/support/Controls.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
// Binds the controls of a real template the way the program's dialogs do.
class ExchangeDlg : public CDialog {
public:
    explicit ExchangeDlg(UINT templateId) : CDialog(templateId) {}

    CString text = "Nový test";
    int number = 10;
    int option = 0;
    CString entry;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (GetTemplateId() == IDD_NEW_TEST) {
            DDX_Text(pDX, IDC_TEST_NAME, text);
            DDX_Text(pDX, IDC_QUESTION_COUNT, number);
        } else if (GetTemplateId() == IDD_CREATE_QUESTIONS) {
            DDX_Radio(pDX, IDC_OPTION1, option);
        } else {
            DDX_LBString(pDX, IDC_TEST_LIST, entry);
        }
    }
};

class DataExchange : public ::testing::Test {
protected:
    void TearDown() override { CDialog::SetTestScript(nullptr); }
};

TEST_F(DataExchange, TextAndWholeNumbersMoveBothWays) {
    ExchangeDlg dlg(IDD_NEW_TEST);
    CDialog::SetTestScript([](CDialog& d) {
        auto& self = static_cast<ExchangeDlg&>(d);
        EXPECT_STREQ("Nový test", self.GetDlgItemTextA(IDC_TEST_NAME));
        EXPECT_STREQ("10", self.GetDlgItemTextA(IDC_QUESTION_COUNT));
        self.SetDlgItemTextA(IDC_TEST_NAME, "Zkouška ěščřžýáíé");
        self.SetDlgItemTextA(IDC_QUESTION_COUNT, " -25 ");
        EXPECT_TRUE(self.UpdateData(TRUE));
        EXPECT_STREQ("Zkouška ěščřžýáíé", self.text);
        EXPECT_EQ(-25, self.number);
        self.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST_F(DataExchange, ANumberThatIsNotWholeIsRefusedAndKeepsTheDialogOpen) {
    MessageBoxScript boxes;
    boxes.Then(IDOK).Then(IDOK);
    ExchangeDlg dlg(IDD_NEW_TEST);
    CDialog::SetTestScript([](CDialog& d) {
        // Not whole, and a character the code page lacks: both are no number.
        for (const wchar_t* typed : {L"12a", L"\u03C0"}) {
            SetDlgItemTextW(d.m_hWnd, IDC_QUESTION_COUNT, typed);
            d.SendMessage(WM_COMMAND, IDOK); // the base OK refuses and stays open
            EXPECT_TRUE(IsWindow(d.m_hWnd));
            EXPECT_EQ(d.GetDlgItem(IDC_QUESTION_COUNT).m_hWnd, GetFocus());
        }
        d.SetDlgItemTextA(IDC_QUESTION_COUNT, "7");
        d.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(7, dlg.number);
    ASSERT_EQ(2u, boxes.Shown().size());
    for (const auto& box : boxes.Shown())
        EXPECT_STREQ("Zadejte celé číslo.", box.text);
}

TEST_F(DataExchange, RadioGroupIndexNoneAndOutOfRange) {
    ExchangeDlg dlg(IDD_CREATE_QUESTIONS);
    dlg.option = 2;
    CDialog::SetTestScript([](CDialog& d) {
        auto& self = static_cast<ExchangeDlg&>(d);
        EXPECT_FALSE(IsChecked(self, IDC_OPTION1));
        EXPECT_TRUE(IsChecked(self, IDC_OPTION3));

        self.option = 7; // outside the group: none checked
        self.UpdateData(FALSE);
        for (int id = IDC_OPTION1; id <= IDC_OPTION4; ++id)
            EXPECT_FALSE(IsChecked(self, id)) << id;
        self.UpdateData(TRUE);
        EXPECT_EQ(-1, self.option);

        SendMessageW(self.GetDlgItem(IDC_OPTION4), BM_SETCHECK, BST_CHECKED, 0);
        self.UpdateData(TRUE);
        EXPECT_EQ(3, self.option);
        self.SendMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST_F(DataExchange, ListSelectionGivesTheEntrysText) {
    ExchangeDlg dlg(IDD_RUN_SELECT);
    CDialog::SetTestScript([](CDialog& d) {
        auto& self = static_cast<ExchangeDlg&>(d);
        CListBox list;
        list.Attach(self.GetDlgItem(IDC_TEST_LIST));
        self.UpdateData(TRUE);
        EXPECT_STREQ("", self.entry) << "no selection gives an empty text";
        list.AddString("Zkouška");
        list.AddString("B");
        list.AddString("a");
        EXPECT_EQ(3, list.GetCount());
        list.SetCurSel(2);
        self.UpdateData(TRUE);
        EXPECT_STREQ(list.GetText(2), self.entry);
        list.Detach();
        self.SendMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(dlg.entry.IsEmpty());
}

TEST(ParseWholeNumber, AcceptsWholeNumbersAndHoldsThemInRange) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"10", true, 10},
        {" 7 ", true, 7},
        {"-3", true, -3},
        {"+4", true, 4},
        {"0", true, 0},
        {"2147483647", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        // Beyond the range of int still a number, held at the limit as strtol holds it.
        {"2147483648", true, INT_MAX},
        {"99999999999", true, INT_MAX},
        {"99999999999999999999", true, INT_MAX},
        {"-2147483649", true, INT_MIN},
        {"", false, 0},
        {"  ", false, 0},
        {"-", false, 0},
        {"1 2", false, 0},
        {"12a", false, 0},
        {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        int value = -99;
        EXPECT_EQ(c.ok, ParseWholeNumber(c.text, value)) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(c.value, value) << c.text;
        }
    }
}
} // namespace
