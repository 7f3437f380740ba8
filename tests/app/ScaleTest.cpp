// The windows at the screen's scale. scale_test.sh runs this exe in a Wine prefix of its own with
// LogPixels 96, 120, 144 and 192, each under the Czech and the Western code page: one row of the
// table below a run. Everything is read back from the real windows: their rectangles, the pixels
// on the screen and the fonts that drew each text.

#include "app/MainFrame.h"
#include "authoring/CreateQuestionsDlg.h"
#include "authoring/NewTestDlg.h"
#include "platform/DC.h"
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
    int pictureSize;             // of the button pictures drawn for this scale
    UINT pictureSteps;           // their IDs' steps above the 100 % pictures
    std::vector<int> iconsDrawn; // the system's icon sizes here that the icon holds a picture for
};
const Scale kScales[] = {
    {96, 52, 0, {32, 16}},
    {120, 65, 1, {}}, // Windows asks for 40 and 20 pixels: none is drawn, the nearest is taken
    {144, 78, 2, {48, 24}},
    {192, 104, 3, {32}}, // 64 pixels are not drawn
};

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
        CDC::SetTextProbe(nullptr);
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

// A painted text's ink found on the screen, set against the same text's ink in its font at the
// origin: it is whole when as wide and as tall as the font gives it (grown by its shadow's offset,
// where a shadow is drawn beneath it), and its top-left corner stood where the ink's offset from
// the origin puts it.
::testing::AssertionResult IsWhole(const PaintRecorder& recorder, const std::wstring& text,
                                   const PixelExtent& found, POINT* corner, int shadow = 0) {
    const Painted* painted = recorder.Find(text);
    if (painted == nullptr)
        return ::testing::AssertionFailure() << ::testing::PrintToString(text) << " is not painted";
    if (found.count == 0)
        return ::testing::AssertionFailure() << ::testing::PrintToString(text) << " shows no pixel";
    const RECT ink = InkAtOrigin(painted->font, text);
    *corner = {found.box.left - ink.left, found.box.top - ink.top};
    const int width = ink.right - ink.left + 1 + shadow, height = ink.bottom - ink.top + 1 + shadow;
    if (found.box.right - found.box.left + 1 != width || found.box.bottom - found.box.top + 1 != height)
        return ::testing::AssertionFailure()
               << ::testing::PrintToString(text) << " shows " << found.box.right - found.box.left + 1 << " x "
               << found.box.bottom - found.box.top + 1 << " pixels of " << width << " x " << height
               << ": cut off or overdrawn";
    return ::testing::AssertionSuccess();
}

// Whole, and its top-left corner within tolerance of (x, y).
::testing::AssertionResult StandsWhole(const PaintRecorder& recorder, const std::wstring& text,
                                       const PixelExtent& found, int x, int y, int tolerance,
                                       int shadow = 0) {
    POINT corner = {};
    ::testing::AssertionResult whole = IsWhole(recorder, text, found, &corner, shadow);
    if (!whole)
        return whole;
    if (std::abs(corner.x - x) > tolerance || std::abs(corner.y - y) > tolerance)
        return ::testing::AssertionFailure() << ::testing::PrintToString(text) << " stands at (" << corner.x
                                             << ", " << corner.y << "), not (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// A font's character height against the one its point size asks for at the screen's resolution.
::testing::AssertionResult HasScaledHeight(const PaintRecorder& recorder, const std::wstring& text,
                                           int pointTenths) {
    const Painted* painted = recorder.Find(text);
    if (painted == nullptr)
        return ::testing::AssertionFailure() << ::testing::PrintToString(text) << " is not painted";
    const int asked = pointTenths * ThisScale().dpi / 720; // the framework's fonts ask for whole pixels
    const int got = painted->metrics.tmHeight - painted->metrics.tmInternalLeading;
    if (got < asked - 1)
        return ::testing::AssertionFailure()
               << ::testing::PrintToString(text) << " is " << got << " pixels high, not " << asked;
    return ::testing::AssertionSuccess();
}

RECT InParent(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A box (right and bottom inclusive) meets no child of the window and lies inside its client area.
::testing::AssertionResult ClearOfControls(HWND window, const RECT& box) {
    RECT client;
    GetClientRect(window, &client);
    if (box.left < 0 || box.top < 0 || box.right >= client.right || box.bottom >= client.bottom)
        return ::testing::AssertionFailure() << "runs out of the window";
    const RECT ink = {box.left, box.top, box.right + 1, box.bottom + 1};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT meet, rect = InParent(child, window);
        if (IntersectRect(&meet, &ink, &rect))
            return ::testing::AssertionFailure() << "meets control " << GetDlgCtrlID(child);
    }
    return ::testing::AssertionSuccess();
}

bool Apart(const RECT& a, const RECT& b) {
    return a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
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

    const HWND panel = Pane();
    PaintRecorder recorder;
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const ClientImage image(panel);

    // The title in red over its black copy, the shadow's offset scaled too.
    const RECT band = {0, 0, image.Width(), Scaled(90)};
    const PixelExtent title = FindPixels(image, band, IsNotButtonFace);
    EXPECT_TRUE(StandsWhole(recorder, L"Kvizar 2004", title, Scaled(23), Scaled(18), 1, Scaled(2)));
    const PixelExtent red = FindPixels(image, band, IsPureRed), shadow = FindPixels(image, band, IsShadow);
    EXPECT_EQ(red.box.right + Scaled(2), shadow.box.right);
    EXPECT_EQ(red.box.bottom + Scaled(2), shadow.box.bottom);
    EXPECT_TRUE(HasScaledHeight(recorder, L"Kvizar 2004", 340));

    const std::wstring credit = L"Naprogramoval tým Kvizar 2004, © 2026";
    const RECT below = {0, Scaled(331), image.Width(), image.Height()};
    const PixelExtent creditInk = FindPixels(image, below, IsNotButtonFace);
    EXPECT_TRUE(StandsWhole(recorder, credit, creditInk, Scaled(10), Scaled(345), 1));
    EXPECT_TRUE(HasScaledHeight(recorder, credit, 80));
    for (const RECT& text : {title.box, creditInk.box})
        EXPECT_TRUE(ClearOfControls(panel, text));
    EXPECT_TRUE(Apart(title.box, creditInk.box));

    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.id);
        const HWND button = GetDlgItem(panel, b.id);
        const RECT rect = InParent(button, panel);
        EXPECT_NEAR(Scaled(b.rect.left), rect.left, 1);
        EXPECT_NEAR(Scaled(b.rect.top), rect.top, 1);
        EXPECT_NEAR(Scaled(b.rect.right), rect.right, 1);
        EXPECT_NEAR(Scaled(b.rect.bottom), rect.bottom, 1);
        // The picture drawn for the scale, at the scaled margin, centred; the caption in the
        // rest, whole, in a font of the system font's height at this scale.
        const int height = rect.bottom - rect.top;
        const UINT drawn = b.image + IDB_SCALE_STEP * scale.pictureSteps;
        EXPECT_TRUE(ShowsPicture(button, drawn, Scaled(10), height / 2 - scale.pictureSize / 2));
        const ClientImage face(button);
        const RECT captionArea = {Scaled(10) + scale.pictureSize + 1, 1, face.Width() - 1, face.Height() - 1};
        const PixelExtent ink = FindPixels(face, captionArea, IsNotButtonFace);
        POINT corner;
        EXPECT_TRUE(IsWhole(recorder, b.caption, ink, &corner));
        EXPECT_TRUE(ink.box.left > captionArea.left && ink.box.right < captionArea.right - 1) << "clipped";
        const Painted* font = recorder.Find(b.caption);
        ASSERT_NE(nullptr, font);
        EXPECT_GE(font->metrics.tmHeight, Scaled(16) - 1) << "the system font's cell is 16 pixels at 96 DPI";
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
    const Painted* headingFont = recorder.Find(L"Vyhodnocení");
    ASSERT_NE(nullptr, headingFont);
    const RECT ink = InkAtOrigin(headingFont->font, L"Vyhodnocení");
    const RECT& seen = heading[0].box;
    EXPECT_NEAR(x(64), seen.left - ink.left, 2);
    EXPECT_NEAR(y(14), seen.top - ink.top, 2);
    EXPECT_NEAR(ink.right - ink.left + x(65) - x(64), seen.right - seen.left, 1) << "whole, with its shadow";
    EXPECT_NEAR(ink.bottom - ink.top + y(15) - y(14), seen.bottom - seen.top, 1) << "whole, with its shadow";
    EXPECT_TRUE(HasScaledHeight(recorder, L"Vyhodnocení", 240));

    // Below the numbers and above OK: the rate, then the verdict centred across the dialog.
    const RECT between = {0, InParent(GetDlgItem(d.m_hWnd, IDC_WRONG_LABEL), d.m_hWnd).bottom, image.Width(),
                          InParent(GetDlgItem(d.m_hWnd, IDOK), d.m_hWnd).top};
    const std::vector<PixelExtent> lines = Lines(image, between, gap);
    ASSERT_EQ(2u, lines.size());
    EXPECT_TRUE(StandsWhole(recorder, L"Úspěšnost: 50.00 %", lines[0], x(70), y(170), 2));
    POINT verdict = {};
    EXPECT_TRUE(IsWhole(recorder, L"Průměrný výsledek.....", lines[1], &verdict));
    EXPECT_NEAR(y(200), verdict.y, 2);
    EXPECT_NEAR(image.Width(), lines[1].box.left + lines[1].box.right + 1, 3) << "centred";
    EXPECT_TRUE(HasScaledHeight(recorder, L"Průměrný výsledek.....", 140));
    for (const RECT& box : {seen, lines[0].box, lines[1].box})
        EXPECT_TRUE(ClearOfControls(d.m_hWnd, box));
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

// The icon image that Windows takes for the big and the small icon at this scale (the one that
// LoadIcon and the window manager pick from the group) is one drawn at that size, where the
// icon holds one.
TEST_F(ScaleTest, TheIconHasTheImagesDrawnForTheSystemsIconSizes) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14));
    ASSERT_NE(nullptr, group);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    std::vector<int> drawn;
    for (int size : {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON)}) {
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        const HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));
        ASSERT_NE(nullptr, image) << size;
        const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
        if (header->biWidth == size)
            drawn.push_back(size);
    }
    EXPECT_EQ(ThisScale().iconsDrawn, drawn);
}
} // namespace
