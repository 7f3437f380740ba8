// Czech reads right whatever the system's code page (this exe runs under 1250 and 1252, with
// Wine's stock fonts): in every window each control's text and each painted text has its glyphs
// in the font that draws it, and every dialog keeps the size it has on a Czech system.

#include "app/MainFrame.h"
#include "authoring/CreateQuestionsDlg.h"
#include "authoring/EditQuestionsDlg.h"
#include "authoring/NewTestDlg.h"
#include "platform/DC.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "storage/EditSelectDlg.h"
#include "storage/RunSelectDlg.h"
#include "tests/support/TestFolderCase.h"

#include <algorithm>
#include <cstdlib>

namespace {
// GetGlyphIndicesW with GGI_MARK_NONEXISTING_GLYPHS marks a missing glyph 0xFFFF.
bool HasEveryGlyph(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    return std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

// A control's text; a list box's first item.
std::wstring TextOf(HWND control, bool listBox) {
    wchar_t text[1024] = {};
    if (listBox)
        SendMessageW(control, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    else
        GetWindowTextW(control, text, 1024);
    return text;
}

// Every control of the window has each glyph of its text (a list box: of its first item) in the
// font read back from it (WM_GETFONT), and a static text does not wrap past the control's bottom.
::testing::AssertionResult ControlsReadCzech(HWND window) {
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(control, className, 16);
        RECT client;
        GetClientRect(control, &client);
        const HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        const std::wstring text = TextOf(control, lstrcmpiW(className, L"ListBox") == 0);
        RECT needed = client;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK);
        const bool wraps =
            lstrcmpiW(className, L"Static") == 0 && !text.empty() && needed.bottom > client.bottom;
        const bool lacking = !HasEveryGlyph(dc, text);
        ReleaseDC(control, dc);
        if (wraps || lacking)
            return ::testing::AssertionFailure()
                   << ::testing::PrintToString(text) << " in control " << GetDlgCtrlID(control)
                   << (wraps ? " wraps" : " lacks a glyph");
    }
    return ::testing::AssertionSuccess();
}

// Shows the window and repaints it with its children: these texts are among those painted through
// a CDC, and each of those has its glyphs in the font selected for it.
::testing::AssertionResult PaintsReadCzech(HWND window, const std::vector<std::wstring>& texts) {
    std::vector<std::wstring> painted, lacking;
    CDC::SetTextProbe([&](HDC dc, const std::wstring& text) {
        painted.push_back(text);
        if (!HasEveryGlyph(dc, text))
            lacking.push_back(text);
    });
    // A dialog is shown only once its queue first runs empty; a hidden window paints nothing.
    ShowWindow(window, SW_SHOWNA);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CDC::SetTextProbe(nullptr);
    for (const std::wstring& text : texts)
        if (std::find(painted.begin(), painted.end(), text) == painted.end())
            return ::testing::AssertionFailure() << ::testing::PrintToString(text) << " is not painted";
    if (!lacking.empty())
        return ::testing::AssertionFailure() << ::testing::PrintToString(lacking) << " lack glyphs";
    return ::testing::AssertionSuccess();
}

TEST(CzechText, MainWindowPaintsItsCaptionsAndCreditLineWithEveryGlyph) {
    const char* codePage = std::getenv("KVIZAR_EXPECT_ACP"); // set by ctest, with the locale
    ASSERT_TRUE(codePage && static_cast<UINT>(std::atoi(codePage)) == GetACP()) << "the locale did not take";
    CMainFrame* frame = new CMainFrame; // deletes itself with its window
    AfxGetApp()->m_pMainWnd = frame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
    EXPECT_TRUE(PaintsReadCzech(frame->m_hWnd, {L"Spustit test", L"Nový test", L"Editovat test", L"Ukončit",
                                                L"Naprogramoval tým Kvizar 2004, © 2026"}));
    DestroyWindow(frame->m_hWnd);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

class CzechDialogs : public TestFolderCase {};

// The expected size comes from the template's dialog units and the base units of "MS Sans Serif" 8
// on a Czech system (6 x 13), so a dialog that took its units from another font would show.
TEST_F(CzechDialogs, ShowEveryGlyphAndKeepTheirCzechSize) {
    WriteTest("Žluťoučký kůň", kWorkedExample); // what the pickers offer
    QuestionArray questions =
        ArrayOf({MakeRecord(1, {"Město na Moravě?", "Brno", "Plzeň", "Třeboň", "Čáslav"})});
    CNewTestDlg name;
    CCreateQuestionsDlg create;
    CEditQuestionsDlg edit;
    CRunSelectDlg runPicker;
    CEditSelectDlg editPicker;
    CRunTestDlg quiz;
    CResultsDlg results;
    create.m_questions = edit.m_questions = questions.Data();
    quiz.m_questions = questions.Data();
    create.m_count = edit.m_count = quiz.m_count = results.m_count = results.m_correct = 1;
    const struct {
        CDialog& dialog;
        int width, height; // dialog units
        std::vector<std::wstring> painted;
    } cases[] = {{name, 186, 90, {}},
                 {create, 298, 180, {}},
                 {edit, 310, 187, {}},
                 {runPicker, 186, 110, {}},
                 {editPicker, 186, 105, {}},
                 {quiz, 317, 153, {}},
                 {results, 210, 170, {L"Vyhodnocení", L"Úspěšnost: 100.00 %", L"Absolutní úspěšnost!!!"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog.GetTemplateId());
        CDialog::SetTestScript([&](CDialog& d) {
            RECT client;
            GetClientRect(d.m_hWnd, &client);
            EXPECT_EQ(MulDiv(c.width, 6, 4), client.right);
            EXPECT_EQ(MulDiv(c.height, 13, 8), client.bottom);
            EXPECT_TRUE(ControlsReadCzech(d.m_hWnd));
            EXPECT_TRUE(PaintsReadCzech(d.m_hWnd, c.painted));
            EndDialog(d.m_hWnd, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, c.dialog.DoModal());
    }
}
} // namespace
