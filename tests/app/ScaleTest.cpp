// The windows at the screen's scale. scale_test.sh runs this exe in a Wine prefix of its own with
// LogPixels 96, 120, 144 and 192, each under the Czech and the Western code page: one row of the
// table below a run. Everything is read back from the real windows: their rectangles, the pixels
// on the screen and the fonts that drew each text.

#include "app/MainFrame.h"
#include "authoring/CreateQuestionsDlg.h"
#include "authoring/NewTestDlg.h"
#include "platform/DC.h"
#include "platform/Text.h"
#include "res/resource.h"
#include "run/ResultsDlg.h"
#include "run/RunTestDlg.h"
#include "tests/app/MainFrameCase.h"
#include "tests/shell/ShellTesting.h"
#include "tests/support/ClientImage.h"
#include "tests/support/Controls.h"
#include "tests/support/TestFileSamples.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {
struct Scale {
    int dpi;
    int pictureSize;   // of the button pictures drawn for this scale
    UINT pictureSteps; // their IDs' steps above the 100 % pictures
};
const Scale kScales[] = {{96, 52, 0}, {120, 65, 1}, {144, 78, 2}, {192, 104, 3}};

// The row of this run, from the resolution the screen has; the code page is checked too.
const Scale& ThisScale() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (const Scale& scale : kScales)
        if (scale.dpi == dpi)
            return scale;
    ADD_FAILURE() << "no row for " << dpi << " DPI";
    return kScales[0];
}

class ScaleTest : public MainFrameCase {
protected:
    void SetUp() override {
        const char* dpi = std::getenv("KVIZAR_EXPECT_DPI"); // set by scale_test.sh
        const char* codePage = std::getenv("KVIZAR_EXPECT_ACP");
        ASSERT_TRUE(dpi && codePage) << "run by scale_test.sh";
        ASSERT_EQ(std::atoi(dpi), ThisScale().dpi) << "LogPixels did not take";
        ASSERT_EQ(static_cast<UINT>(std::atoi(codePage)), GetACP()) << "the locale did not take";
        ParkPointer();
        MainFrameCase::SetUp(); // the main window, the dialogs' owner
    }
    void TearDown() override {
        CDialog::SetTestScript(nullptr);
        MainFrameCase::TearDown();
    }
    // A 96-DPI length at this scale, as the figures give it.
    static int Scaled(int length) { return MulDiv(length, ThisScale().dpi, 96); }
};

// A painted text and the font that drew it, as the paint's device context held it.
struct Painted {
    LOGFONTW font;
    TEXTMETRICW metrics;
};

// Records every text painted through a CDC while it lives.
class PaintRecorder {
public:
    PaintRecorder() {
        CDC::SetTextProbe([this](HDC dc, const std::wstring& text) {
            Painted& painted = m_texts[text];
            GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof painted.font, &painted.font);
            GetTextMetricsW(dc, &painted.metrics);
        });
    }
    ~PaintRecorder() { CDC::SetTextProbe(nullptr); }
    const Painted* Find(const std::wstring& text) const {
        const auto found = m_texts.find(text);
        return found == m_texts.end() ? nullptr : &found->second;
    }

private:
    std::map<std::wstring, Painted> m_texts;
};

// The box of the pixels that a text in this font inks when drawn with its top-left corner at
// (0, 0), black on white: where a text of that font stands on the screen follows from it.
RECT InkAtOrigin(const LOGFONTW& font, const std::wstring& text) {
    const int width = 2000, height = 300;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HFONT hfont = CreateFontIndirectW(&font);
    const HGDIOBJ oldFont = SelectObject(dc, hfont);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    RECT ink = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixel[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                       std::max<LONG>(ink.bottom, y)};
            }
    SelectObject(dc, oldFont);
    DeleteObject(hfont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

RECT InParent(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What a painted text must be.
struct Expected {
    const wchar_t* text;
    int pointTenths; // its font's size, whose height at this scale the font must reach
    int shadow;      // how far a copy beneath it shows right and down, 0 for none
    POINT at;        // its top-left corner, within tolerance; a negative tolerance places it nowhere
    int tolerance;
};

// A painted text's ink found on the screen, set against the same text's ink in the font that
// painted it, drawn at the origin: it is whole when as wide and as tall as the font gives it
// (grown by its shadow) within a pixel of smoothing, it stood where the ink's offset from the
// origin puts it, and it lies inside the window's client area and meets none of its controls.
// Its top-left corner goes to corner.
::testing::AssertionResult PaintedWhole(const PaintRecorder& recorder, HWND window, const PixelExtent& found,
                                        const Expected& e, POINT* corner = nullptr) {
    const std::string name = ::testing::PrintToString(std::wstring(e.text));
    const Painted* painted = recorder.Find(e.text);
    if (painted == nullptr || found.count == 0)
        return ::testing::AssertionFailure() << name << " is not painted";
    const int asked = e.pointTenths * ThisScale().dpi / 720; // the framework's fonts ask for whole pixels
    if (painted->metrics.tmHeight - painted->metrics.tmInternalLeading < asked - 1)
        return ::testing::AssertionFailure() << name << " is not " << asked << " pixels high";
    const RECT ink = InkAtOrigin(painted->font, e.text);
    const RECT& box = found.box;
    const int width = ink.right - ink.left + 1 + e.shadow, height = ink.bottom - ink.top + 1 + e.shadow;
    if (std::abs(box.right - box.left + 1 - width) > 1 || std::abs(box.bottom - box.top + 1 - height) > 1)
        return ::testing::AssertionFailure()
               << name << " shows " << box.right - box.left + 1 << " x " << box.bottom - box.top + 1
               << " pixels of " << width << " x " << height << ": cut off or overdrawn";
    const POINT at = {box.left - ink.left, box.top - ink.top};
    if (corner)
        *corner = at;
    if (e.tolerance >= 0 && (std::abs(at.x - e.at.x) > e.tolerance || std::abs(at.y - e.at.y) > e.tolerance))
        return ::testing::AssertionFailure() << name << " stands at (" << at.x << ", " << at.y << "), not ("
                                             << e.at.x << ", " << e.at.y << ")";
    RECT client;
    GetClientRect(window, &client);
    if (box.left < 0 || box.top < 0 || box.right >= client.right || box.bottom >= client.bottom)
        return ::testing::AssertionFailure() << name << " runs out of the window";
    const RECT inked = {box.left, box.top, box.right + 1, box.bottom + 1};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT meet, rect = InParent(child, window);
        if (IntersectRect(&meet, &inked, &rect))
            return ::testing::AssertionFailure() << name << " meets control " << GetDlgCtrlID(child);
    }
    return ::testing::AssertionSuccess();
}

bool IsPureRed(COLORREF c) {
    return c == RGB(255, 0, 0);
}
bool IsShadow(COLORREF c) {
    return c == RGB(0, 0, 0);
}

struct Button {
    int id;
    RECT rect; // at 96 DPI, in the panel's client coordinates
    UINT image;
    const wchar_t* caption;
};
const Button kButtons[] = {
    {1, {30, 90, 230, 150}, IDB_RUN, L"Spustit test"},
    {2, {45, 150, 245, 210}, IDB_NEW, L"Nový test"},
    {3, {45, 210, 245, 270}, IDB_EDIT, L"Editovat test"},
    {4, {30, 270, 230, 330}, IDB_QUIT, L"Ukončit"},
};

TEST_F(ScaleTest, TheMainWindowIsLaidOutAndPaintedForTheScale) {
    const Scale& scale = ThisScale();
    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_NEAR(Scaled(300), outer.right - outer.left, 1);
    EXPECT_NEAR(Scaled(400), outer.bottom - outer.top, 1);
    // The caption beside the icon and the three caption buttons, in the system's caption font.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const HFONT captionFont = CreateFontIndirectW(&metrics.lfCaptionFont);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, captionFont);
    SIZE caption = {};
    GetTextExtentPoint32W(screen, ToWide(kBannerText).c_str(), lstrlenA(kBannerText), &caption);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(captionFont);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_LT(caption.cx + GetSystemMetrics(SM_CXSMICON) + 3 * GetSystemMetrics(SM_CXSIZE), client.right)
        << "the caption is cut";

    const HWND panel = Pane();
    PaintRecorder recorder;
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const ClientImage image(panel);

    // The title in red over its black copy, the shadow's offset scaled too.
    const RECT band = {0, 0, image.Width(), Scaled(90)};
    EXPECT_TRUE(PaintedWhole(recorder, panel, FindPixels(image, band, IsNotButtonFace),
                             {L"Kvizar 2004", 340, Scaled(2), {Scaled(23), Scaled(18)}, 1}));
    const PixelExtent red = FindPixels(image, band, IsPureRed), shadow = FindPixels(image, band, IsShadow);
    EXPECT_EQ(red.box.right + Scaled(2), shadow.box.right);
    EXPECT_EQ(red.box.bottom + Scaled(2), shadow.box.bottom);

    const RECT below = {0, Scaled(331), image.Width(), image.Height()};
    EXPECT_TRUE(
        PaintedWhole(recorder, panel, FindPixels(image, below, IsNotButtonFace),
                     {L"Naprogramoval tým Kvizar 2004, © 2026", 80, 0, {Scaled(10), Scaled(345)}, 1}));

    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.id);
        const HWND button = GetDlgItem(panel, b.id);
        const RECT rect = InParent(button, panel);
        EXPECT_NEAR(Scaled(b.rect.left), rect.left, 1);
        EXPECT_NEAR(Scaled(b.rect.top), rect.top, 1);
        EXPECT_NEAR(Scaled(b.rect.right), rect.right, 1);
        EXPECT_NEAR(Scaled(b.rect.bottom), rect.bottom, 1);
        // The picture drawn for the scale, at the scaled margin, centred; the caption in the
        // rest, whole, in a font of the scale's height.
        const int height = rect.bottom - rect.top;
        const UINT drawn = b.image + IDB_SCALE_STEP * scale.pictureSteps;
        EXPECT_TRUE(ShowsPicture(button, drawn, Scaled(10), height / 2 - scale.pictureSize / 2));
        // The system font is 10 points; its caption stands centred, not at a place of its own.
        const ClientImage face(button);
        const RECT captionArea = {Scaled(10) + scale.pictureSize + 1, 1, face.Width() - 1, face.Height() - 1};
        EXPECT_TRUE(PaintedWhole(recorder, button, FindPixels(face, captionArea, IsNotButtonFace),
                                 {b.caption, 100, 0, {0, 0}, -1}));
    }
}

// The rows of a window's client area that hold a pixel other than the button face, in runs: one
// run a line of text. A gap of a few rows (an accent above its letter) does not end a line.
std::vector<PixelExtent> Lines(const ClientImage& image, const RECT& area, int gap) {
    std::vector<PixelExtent> lines;
    int blank = gap + 1;
    for (int y = area.top; y < area.bottom; ++y) {
        const PixelExtent row = FindPixels(image, RECT{area.left, y, area.right, y + 1}, IsNotButtonFace);
        if (row.count == 0) {
            ++blank;
            continue;
        }
        if (blank > gap)
            lines.push_back(PixelExtent{});
        blank = 0;
        PixelExtent& line = lines.back();
        line.count += row.count;
        line.box = {std::min(line.box.left, row.box.left), std::min(line.box.top, row.box.top),
                    std::max(line.box.right, row.box.right), std::max(line.box.bottom, row.box.bottom)};
    }
    return lines;
}

// The results' heading, rate and verdict, 1 right of 2, in a shown results dialog.
void ExpectResultsLines(CDialog& d, const PaintRecorder& recorder) {
    SetWindowPos(d.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    d.UpdateWindow();
    // The 96-DPI pixels stand for the 6 x 13 base units of "MS Sans Serif" 8 there.
    RECT units = {0, 0, 4, 8};
    MapDialogRect(d.m_hWnd, &units);
    const auto x = [&](int pixels) { return MulDiv(pixels, units.right, 6); };
    const auto y = [&](int pixels) { return MulDiv(pixels, units.bottom, 13); };
    const ClientImage image(d.m_hWnd);

    // The heading above the name line, in green over its black copy one pixel (at 96 DPI) right
    // and down: the two together are the heading's ink grown by that offset.
    const RECT above = {0, 0, image.Width(), InParent(GetDlgItem(d.m_hWnd, IDC_RESULT_NAME), d.m_hWnd).top};
    const int gap = MulDiv(4, ThisScale().dpi, 96);
    const std::vector<PixelExtent> heading = Lines(image, above, gap);
    ASSERT_EQ(1u, heading.size());
    EXPECT_TRUE(PaintedWhole(recorder, d.m_hWnd, heading[0],
                             {L"Vyhodnocení", 240, x(65) - x(64), {x(64), y(14)}, 2}));

    // Below the numbers and above OK: the rate, then the verdict centred across the dialog.
    const RECT between = {0, InParent(GetDlgItem(d.m_hWnd, IDC_WRONG_LABEL), d.m_hWnd).bottom, image.Width(),
                          InParent(GetDlgItem(d.m_hWnd, IDOK), d.m_hWnd).top};
    const std::vector<PixelExtent> lines = Lines(image, between, gap);
    ASSERT_EQ(2u, lines.size());
    EXPECT_TRUE(
        PaintedWhole(recorder, d.m_hWnd, lines[0], {L"Úspěšnost: 50.00 %", 140, 0, {x(70), y(170)}, 2}));
    POINT verdict = {};
    EXPECT_TRUE(PaintedWhole(recorder, d.m_hWnd, lines[1], {L"Průměrný výsledek.....", 140, 0, {0, 0}, -1},
                             &verdict));
    EXPECT_NEAR(y(200), verdict.y, 2);
    EXPECT_NEAR(image.Width(), lines[1].box.left + lines[1].box.right + 1, 3) << "centred";
}

TEST_F(ScaleTest, TheResultsPaintTheirLinesWhereTheDialogsBaseUnitsPutThem) {
    CResultsDlg dlg;
    dlg.m_testName = "Zkouška";
    dlg.m_correct = 1;
    dlg.m_wrong = 1;
    dlg.m_count = 2;
    PaintRecorder recorder;
    CDialog::SetTestScript([&](CDialog& d) {
        ExpectResultsLines(d, recorder);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)); // also after a failed assertion
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
}

// A control's text against its rectangle, in the control's own font: a label's lines (and a
// multi-line option's) within its height and no word wider than it; a button's caption within the
// button, beside its check circle for an option; an edit's line within its height. The font
// itself has the height of the templates' 8 points at this scale.
::testing::AssertionResult TextFits(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const std::wstring text = WindowText(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool isStatic = lstrcmpiW(className, L"Static") == 0,
               isButton = lstrcmpiW(className, L"Button") == 0;
    if (isStatic && (style & SS_TYPEMASK) > SS_RIGHT)
        return ::testing::AssertionSuccess(); // an etched line or frame
    RECT room;
    GetClientRect(control, &room);
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    UINT format = DT_CALCRECT | DT_SINGLELINE;
    if (isButton && (style & BS_TYPEMASK) >= BS_CHECKBOX)
        room.right -= MulDiv(16, ThisScale().dpi, 96); // the check circle and its gap
    else if (isButton)
        InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    if (isStatic || (isButton && (style & BS_MULTILINE)))
        format = DT_CALCRECT | DT_WORDBREAK;
    RECT needed = {0, 0, room.right - room.left, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    if (metrics.tmHeight - metrics.tmInternalLeading < 80 * ThisScale().dpi / 720 - 1)
        return ::testing::AssertionFailure()
               << "the font of control " << GetDlgCtrlID(control) << " is "
               << metrics.tmHeight - metrics.tmInternalLeading << " pixels high";
    const bool fits = (isStatic || isButton) && !text.empty()
                          ? needed.right <= room.right - room.left && needed.bottom <= room.bottom - room.top
                          : metrics.tmHeight <= room.bottom - room.top;
    if (fits)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << ::testing::PrintToString(text) << " of control " << GetDlgCtrlID(control) << " needs "
           << needed.right << " x " << needed.bottom << " of " << room.right - room.left << " x "
           << room.bottom - room.top;
}

TEST_F(ScaleTest, EveryControlsTextFitsItsControlInTheNameDialogTheSheetTheQuizAndTheResults) {
    QuestionArray questions = ArrayOf({MakeRecord(
        1, {"Které město leží na soutoku Moravy a Dyje?", "Břeclav", "Hodonín", "Mikulov", "Znojmo"})});
    CNewTestDlg name;
    CCreateQuestionsDlg sheet;
    CRunTestDlg quiz;
    CResultsDlg results;
    sheet.m_questions = questions.Data();
    quiz.m_questions = questions.Data();
    sheet.m_count = quiz.m_count = results.m_count = results.m_correct = 1;
    results.m_testName = "Všeobecné znalosti";
    for (CDialog* dialog : {static_cast<CDialog*>(&name), static_cast<CDialog*>(&sheet),
                            static_cast<CDialog*>(&quiz), static_cast<CDialog*>(&results)}) {
        SCOPED_TRACE(dialog->GetTemplateId());
        CDialog::SetTestScript([&](CDialog& d) {
            for (HWND control = GetWindow(d.m_hWnd, GW_CHILD); control;
                 control = GetWindow(control, GW_HWNDNEXT))
                EXPECT_TRUE(TextFits(control));
            EndDialog(d.m_hWnd, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, dialog->DoModal());
    }
}

} // namespace
