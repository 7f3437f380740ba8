#include "run/ResultsDlg.h"

#include "res/resource.h"
#include "tests/support/Controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
class Results : public ::testing::Test {
protected:
    void TearDown() override { CDialog::SetTestScript(nullptr); }
};

TEST_F(Results, ShowTheBareNameTheNumbersAndTheRate) {
    struct Case {
        const char* name;
        int correct, wrong, count;
        double percent;
        const char* percentText;
    } cases[] = {
        // The quotient 2 / 3 as a double, then times 100: just below 200 / 3 (66.666666666666671).
        {"Zkouška z češtiny", 2, 1, 3, 66.666666666666657, "Úspěšnost: 66.67 %"},
        {"a", 0, 8, 8, 0.0, "Úspěšnost: 0.00 %"},
        {"Test s mezerami", 12, 0, 12, 100.0, "Úspěšnost: 100.00 %"},
        {"Velký test", 99, 1, 100, 99.0, "Úspěšnost: 99.00 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CResultsDlg dlg;
        dlg.m_testName = c.name;
        dlg.m_correct = c.correct;
        dlg.m_wrong = c.wrong;
        dlg.m_count = c.count;
        CDialog::SetTestScript([&](CDialog& d) {
            EXPECT_EQ("Název testu: " + std::string(c.name), Text(d, IDC_RESULT_NAME));
            EXPECT_EQ(std::to_string(c.count), Text(d, IDC_RESULT_COUNT));
            EXPECT_EQ(std::to_string(c.correct), Text(d, IDC_RESULT_RIGHT));
            EXPECT_EQ(std::to_string(c.wrong), Text(d, IDC_RESULT_WRONG));
            EXPECT_STREQ("Výsledky testu", d.GetWindowTextA());
            EXPECT_EQ(d.GetDlgItem(IDOK).m_hWnd, GetFocus());
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.percent, dlg.m_percent);
        EXPECT_STREQ(c.percentText, dlg.m_percentText);
    }
}

// The results only display: every way out ends them at once, without a question.
TEST_F(Results, EnterEscapeAndTheCloseBoxEndThemAtOnce) {
    struct Case {
        const char* name;
        std::function<void(CDialog&)> close;
        INT_PTR result;
    } cases[] = {
        {"Enter", [](CDialog& d) { PressKey(d, VK_RETURN); }, IDOK},
        {"Escape", [](CDialog& d) { PressKey(d, VK_ESCAPE); }, IDCANCEL},
        {"close box", [](CDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CResultsDlg dlg;
        dlg.m_testName = "Zkouška";
        dlg.m_correct = 1;
        dlg.m_wrong = 1;
        dlg.m_count = 2;
        CDialog::SetTestScript([&](CDialog& d) { c.close(d); });
        EXPECT_EQ(c.result, dlg.DoModal());
    }
}
} // namespace
