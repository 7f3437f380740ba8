#include "run/ResultsDlg.h"

#include "platform/Font.h"
#include "platform/Text.h"
#include "run/Verdict.h"
#include "tests/support/ClientImage.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const COLORREF kShadow = RGB(0, 0, 0);

// Below the name line and the three numbers, where the heading alone is painted.
const RECT kHeadingArea = {0, 0, 400, 60};

// The width of a text drawn in Arial at 14 points, as the verdict is.
int BodyTextWidth(const char* text) {
    CFont font;
    font.CreatePointFont(140, "Arial");
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font.m_hObject);
    const std::wstring wide = ToWide(text);
    SIZE size = {};
    GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

// The green heading at (64, 14) over its black copy one pixel right and down. Text may be
// smoothed, so only fully covered pixels have the exact colours: a pure black pixel is shadow that
// the heading leaves visible, so the heading covers the pixel above left of it fully; below right
// of a pure green pixel lies shadow, black or blended with green, never the background.
void ExpectHeadingWithShadow(const ClientImage& image) {
    const PixelExtent green = FindColour(image, kPassColour, kHeadingArea);
    const PixelExtent black = FindColour(image, kShadow, kHeadingArea);
    ASSERT_GT(green.count, 100);
    ASSERT_GT(black.count, 20);
    EXPECT_GE(green.box.left, 64);
    EXPECT_LE(green.box.left, 68);
    EXPECT_GE(green.box.top, 14);
    EXPECT_LE(green.box.top, 26);
    EXPECT_GT(green.box.right - green.box.left, 120) << "the whole word";
    int misplaced = 0;
    for (int y = 0; y < kHeadingArea.bottom; ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF pixel = image.At(x, y);
            if (pixel == kShadow && image.At(x - 1, y - 1) != kPassColour)
                ++misplaced;
            const COLORREF belowRight = image.At(x + 1, y + 1);
            if (pixel == kPassColour && (GetRValue(belowRight) != 0 || GetBValue(belowRight) != 0))
                ++misplaced;
        }
    }
    EXPECT_EQ(0, misplaced);
}

class ResultsPainting : public ::testing::Test {
protected:
    void TearDown() override { CDialog::SetTestScript(nullptr); }
};

// The rate line and the verdict in the colour of the rate, the verdict centred on the line that
// starts 200 pixels down, and the same picture again on every repaint.
TEST_F(ResultsPainting, HeadingRateAndVerdictInTheirPlacesAndColours) {
    struct Case {
        int correct, count;
        COLORREF colour;
    } cases[] = {
        {2, 3, kPassColour}, {1, 2, kPassColour}, {3, 3, kPassColour},
        {1, 3, kFailColour}, {2, 5, kFailColour}, {0, 4, kFailColour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.correct << " of " << c.count);
        const COLORREF other = c.colour == kPassColour ? kFailColour : kPassColour;
        CResultsDlg dlg;
        dlg.m_testName = "Zkouška";
        dlg.m_correct = c.correct;
        dlg.m_wrong = c.count - c.correct;
        dlg.m_count = c.count;
        CDialog::SetTestScript([&](CDialog& d) {
            // The dialog manager shows a dialog once its queue first runs empty, after this
            // script: show it now, alone on the screen, where nothing covers it.
            SetWindowPos(d.m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            d.UpdateWindow();
            const ClientImage image(d.m_hWnd);
            ExpectHeadingWithShadow(image);

            const RECT rateArea = {0, 160, image.Width(), 200};
            const PixelExtent rate = FindColour(image, c.colour, rateArea);
            EXPECT_GT(rate.count, 50);
            EXPECT_EQ(0, FindColour(image, other, rateArea).count);
            EXPECT_GE(rate.box.left, 70);
            EXPECT_LE(rate.box.left, 73);
            EXPECT_GE(rate.box.top, 170);
            EXPECT_LE(rate.box.top, 178);
            EXPECT_NEAR(BodyTextWidth(dlg.m_percentText), rate.box.right - rate.box.left + 1, 5);

            const RECT verdictArea = {0, 200, image.Width(), image.Height() - 50};
            const PixelExtent verdict = FindColour(image, c.colour, verdictArea);
            EXPECT_GT(verdict.count, 50);
            EXPECT_EQ(0, FindColour(image, other, verdictArea).count);
            EXPECT_GE(verdict.box.top, 200);
            EXPECT_LE(verdict.box.top, 206);
            EXPECT_NEAR(image.Width(), verdict.box.left + verdict.box.right + 1, 3) << "centred";
            EXPECT_NEAR(BodyTextWidth(Verdict(dlg.m_percent)), verdict.box.right - verdict.box.left + 1, 5);
            const RECT belowVerdict = {0, image.Height() - 50, image.Width(), image.Height()};
            EXPECT_EQ(0, FindColour(image, c.colour, belowVerdict).count);

            d.InvalidateRect(nullptr, TRUE);
            d.UpdateWindow();
            EXPECT_TRUE(ClientImage(d.m_hWnd) == image) << "a repaint draws the same picture";
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
}
} // namespace
