#include "shell/ImageButton.h"

#include "platform/Rect.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "tests/shell/ShellTesting.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {
using State = CImageButton::ButtonState;
const State Flat = CImageButton::Flat;
const State Raised = CImageButton::Raised;
const State Sunken = CImageButton::Sunken;

const UINT kClick = WM_APP + 7;
const int kWidth = 200;
const int kHeight = 60;

// The buttons' parent: a top-level window in the button-face colour that records every private
// message it receives.
class RecordingParent : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Received> received;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, AfxArrowCursor(), GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER)
            received.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParkPointer();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        CreateButton(button, CRect(20, 10, 20 + kWidth, 10 + kHeight), 1);
        parent.UpdateWindow();
        PumpMessages();
        parent.received.clear();
    }
    void TearDown() override { ReleaseCapture(); }

    void CreateButton(CImageButton& b, const CRect& rect, UINT id) {
        b.SetImage(IDB_RUN);
        b.SetCaption("Spustit test");
        ASSERT_TRUE(b.Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, &parent, id));
        b.SetClickMessage(kClick);
    }

    LRESULT Send(UINT message, int x, int y) { return SendMouse(button, message, x, y); }

    // The clicks the parent has been posted so far, delivered by the message loop: none may
    // arrive while the button's handler runs.
    int DeliveredClicks() {
        const size_t before = parent.received.size();
        MSG queued;
        const bool waiting = PeekMessageW(&queued, parent.m_hWnd, kClick, kClick, PM_NOREMOVE);
        PumpMessages();
        int clicks = 0;
        for (size_t i = before; i < parent.received.size(); ++i) {
            const RecordingParent::Received& r = parent.received[i];
            EXPECT_EQ(kClick, r.message);
            EXPECT_EQ(0u, r.wParam);
            EXPECT_EQ(0, r.lParam);
            clicks += r.message == kClick ? 1 : 0;
        }
        EXPECT_EQ(waiting, clicks > 0) << "a click reaches the parent only through its queue";
        return clicks;
    }

    static ::testing::AssertionResult Is(const CImageButton& b, State state, bool pressed, bool captured) {
        const bool holds = GetCapture() == b.m_hWnd;
        if (b.State() == state && b.IsPressed() == pressed && holds == captured)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "state " << b.State() << " pressed " << b.IsPressed() << " capture " << holds
               << "; expected " << state << ", " << pressed << ", " << captured;
    }

    static bool RepaintRequested(const CImageButton& b) {
        return GetUpdateRect(b.m_hWnd, nullptr, FALSE) != FALSE;
    }

    RecordingParent parent;
    CImageButton button;
};

// Where a row of the interaction table starts, reached by the mouse messages that lead there.
enum class From { Idle, Hover, HeldInside, HeldOutside };

struct Transition {
    const char* name;
    From from;
    UINT message;
    POINT at; // in the button's client coordinates
    State state;
    bool pressed;
    bool captured;
    bool repainted;
    int clicks;
};

void PrintTo(const Transition& t, std::ostream* os) {
    *os << t.name;
}

class ButtonTransition : public ImageButtonTest, public ::testing::WithParamInterface<Transition> {
protected:
    void Reach(From from) {
        if (from == From::Hover)
            Send(WM_MOUSEMOVE, 100, 30);
        if (from == From::HeldInside || from == From::HeldOutside)
            Send(WM_LBUTTONDOWN, 100, 30);
        if (from == From::HeldOutside)
            Send(WM_MOUSEMOVE, 100, -3);
        button.UpdateWindow(); // the next repaint request is the transition's own
    }
};

TEST_P(ButtonTransition, ChangesStateCaptureRepaintAndPostsAsTheTableSays) {
    const Transition& t = GetParam();
    Reach(t.from);
    ASSERT_FALSE(RepaintRequested(button));

    EXPECT_EQ(0, Send(t.message, t.at.x, t.at.y));

    EXPECT_TRUE(Is(button, t.state, t.pressed, t.captured));
    EXPECT_EQ(t.repainted, RepaintRequested(button));
    EXPECT_TRUE(parent.received.empty()) << "posted, never sent";
    EXPECT_EQ(t.clicks, DeliveredClicks());
}

// Right and bottom edges (x = 200, y = 60) lie outside; while the button holds the mouse,
// positions left of and above it arrive negative.
const Transition kTransitions[] = {
    {"IdleMoveInside", From::Idle, WM_MOUSEMOVE, {0, 0}, Raised, false, true, true, 0},
    {"IdleMoveOutside", From::Idle, WM_MOUSEMOVE, {kWidth, 30}, Flat, false, false, true, 0},
    {"IdleDownInside", From::Idle, WM_LBUTTONDOWN, {kWidth - 1, kHeight - 1}, Sunken, true, true, true, 0},
    {"IdleDownOutside", From::Idle, WM_LBUTTONDOWN, {100, kHeight}, Flat, false, false, false, 0},
    {"IdleUpInside", From::Idle, WM_LBUTTONUP, {100, 30}, Flat, false, false, false, 0},
    {"HoverMoveInside", From::Hover, WM_MOUSEMOVE, {150, 10}, Raised, false, true, true, 0},
    {"HoverMoveOutside", From::Hover, WM_MOUSEMOVE, {kWidth, kHeight - 1}, Flat, false, false, true, 0},
    {"HoverDownInside", From::Hover, WM_LBUTTONDOWN, {1, 1}, Sunken, true, true, true, 0},
    {"HoverUpInside", From::Hover, WM_LBUTTONUP, {100, 30}, Raised, false, false, false, 0},
    {"HeldInsideMoveInside", From::HeldInside, WM_MOUSEMOVE, {60, 40}, Sunken, true, true, true, 0},
    {"HeldInsideMoveOutside", From::HeldInside, WM_MOUSEMOVE, {100, kHeight}, Flat, true, true, true, 0},
    {"HeldInsideUpInside",
     From::HeldInside,
     WM_LBUTTONUP,
     {kWidth - 1, kHeight - 1},
     Flat,
     false,
     false,
     true,
     1},
    {"HeldOutsideMoveInside", From::HeldOutside, WM_MOUSEMOVE, {0, kHeight - 1}, Sunken, true, true, true, 0},
    {"HeldOutsideMoveOutside", From::HeldOutside, WM_MOUSEMOVE, {-30000, -2}, Flat, true, true, true, 0},
    {"HeldOutsideDownOutside", From::HeldOutside, WM_LBUTTONDOWN, {-1, 30}, Flat, true, true, false, 0},
    {"HeldOutsideUpOutside", From::HeldOutside, WM_LBUTTONUP, {-1, 70}, Flat, false, false, false, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, ButtonTransition, ::testing::ValuesIn(kTransitions),
                         [](const ::testing::TestParamInfo<Transition>& info) { return info.param.name; });

struct Position {
    POINT at;
    bool inside;
};

void PrintTo(const Position& p, std::ostream* os) {
    *os << "(" << p.at.x << ", " << p.at.y << ")";
}

class ButtonPosition : public ImageButtonTest, public ::testing::WithParamInterface<Position> {};

TEST_P(ButtonPosition, CountsAsInsideOnlyWithinTheClientRectangle) {
    const Position& p = GetParam();
    Send(WM_MOUSEMOVE, p.at.x, p.at.y);
    EXPECT_TRUE(Is(button, p.inside ? Raised : Flat, false, p.inside));
}

const Position kPositions[] = {
    {{0, 0}, true},         {{kWidth - 1, kHeight - 1}, true}, {{kWidth, 0}, false},
    {{0, kHeight}, false},  {{kWidth, kHeight}, false},        {{-1, 30}, false},
    {{100, -1}, false},     {{-32768, -32768}, false},         {{32767, 10}, false},
    {{kWidth - 1, 0}, true}};

INSTANTIATE_TEST_SUITE_P(Edges, ButtonPosition, ::testing::ValuesIn(kPositions));

TEST_F(ImageButtonTest, PressInsideReleaseOutsidePostsNothing) {
    Send(WM_LBUTTONDOWN, 50, 30);
    Send(WM_MOUSEMOVE, 250, 30);
    Send(WM_LBUTTONUP, 250, 30);
    EXPECT_TRUE(Is(button, Flat, false, false));
    EXPECT_EQ(0, DeliveredClicks());
}

TEST_F(ImageButtonTest, OutAndBackInBeforeTheReleaseStillClicksOnce) {
    Send(WM_LBUTTONDOWN, 50, 30);
    Send(WM_MOUSEMOVE, -10, -10);
    EXPECT_TRUE(Is(button, Flat, true, true));
    Send(WM_MOUSEMOVE, 20, 20);
    EXPECT_TRUE(Is(button, Sunken, true, true));
    Send(WM_LBUTTONUP, 20, 20);
    EXPECT_TRUE(Is(button, Flat, false, false)) << "flat after the click although the pointer is over it";
    EXPECT_EQ(1, DeliveredClicks());

    Send(WM_MOUSEMOVE, 21, 20);
    EXPECT_TRUE(Is(button, Raised, false, true)) << "the next move over it raises it again";
}

TEST_F(ImageButtonTest, PressOutsideReleaseInsidePostsNothing) {
    // The press lands on the parent; the pointer then moves onto the button and is released.
    SendMessageW(parent.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 100));
    Send(WM_MOUSEMOVE, 30, 30);
    EXPECT_TRUE(Is(button, Raised, false, true));
    Send(WM_LBUTTONUP, 30, 30);
    EXPECT_TRUE(Is(button, Raised, false, false));
    EXPECT_EQ(0, DeliveredClicks());
    Send(WM_MOUSEMOVE, 31, 30);
    EXPECT_TRUE(Is(button, Raised, false, true));
}

TEST_F(ImageButtonTest, ADoubleClickPostsOnceAndTheFocusStaysWithTheParent) {
    SetForegroundWindow(parent.m_hWnd);
    SetFocus(parent.m_hWnd);
    ASSERT_EQ(parent.m_hWnd, GetFocus());
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        Send(message, 40, 30);
        EXPECT_EQ(parent.m_hWnd, GetFocus()) << "after message " << message;
    }
    EXPECT_TRUE(Is(button, Flat, false, false)) << "the double-click message changes nothing";
    Send(WM_LBUTTONUP, 40, 30);
    EXPECT_TRUE(Is(button, Flat, false, false));
    EXPECT_EQ(parent.m_hWnd, GetFocus());
    EXPECT_EQ(1, DeliveredClicks());
}

TEST_F(ImageButtonTest, MovingOntoATouchingNeighbourFlattensTheFirstBeforeTheNeighbourRises) {
    CImageButton below;
    CreateButton(below, CRect(20, 10 + kHeight, 20 + kWidth, 10 + 2 * kHeight), 2);

    Send(WM_MOUSEMOVE, 100, kHeight - 1);
    EXPECT_TRUE(Is(button, Raised, false, true));
    // The captured first button still gets the move onto its neighbour, in its own coordinates.
    Send(WM_MOUSEMOVE, 100, kHeight);
    EXPECT_TRUE(Is(button, Flat, false, false));
    EXPECT_TRUE(Is(below, Flat, false, false));
    SendMouse(below, WM_MOUSEMOVE, 100, 1);
    EXPECT_TRUE(Is(below, Raised, false, true));
    EXPECT_TRUE(Is(button, Flat, false, false));
}

struct Ignored {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

void PrintTo(const Ignored& input, std::ostream* os) {
    *os << input.name;
}

class IgnoredInput : public ImageButtonTest, public ::testing::WithParamInterface<Ignored> {};

TEST_P(IgnoredInput, ChangesNothingAtRestOrHeld) {
    const Ignored& input = GetParam();
    SendMessageW(button.m_hWnd, input.message, input.wParam, input.lParam);
    EXPECT_TRUE(Is(button, Flat, false, false));

    Send(WM_LBUTTONDOWN, 50, 30);
    button.UpdateWindow();
    SendMessageW(button.m_hWnd, input.message, input.wParam, input.lParam);
    EXPECT_TRUE(Is(button, Sunken, true, true));
    EXPECT_FALSE(RepaintRequested(button));
    EXPECT_EQ(0, DeliveredClicks());
}

const Ignored kIgnored[] = {
    {"RightDown", WM_RBUTTONDOWN, MK_RBUTTON, At(50, 30)},
    {"RightUp", WM_RBUTTONUP, 0, At(50, 30)},
    {"RightDoubleClick", WM_RBUTTONDBLCLK, MK_RBUTTON, At(50, 30)},
    {"MiddleDown", WM_MBUTTONDOWN, MK_MBUTTON, At(50, 30)},
    {"MiddleUp", WM_MBUTTONUP, 0, At(50, 30)},
    {"SpaceDown", WM_KEYDOWN, VK_SPACE, 0x00390001},
    {"SpaceUp", WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001)},
    {"Enter", WM_KEYDOWN, VK_RETURN, 0x001C0001},
    {"Character", WM_CHAR, ' ', 0x00390001},
};

INSTANTIATE_TEST_SUITE_P(RightMiddleAndKeys, IgnoredInput, ::testing::ValuesIn(kIgnored),
                         [](const ::testing::TestParamInfo<Ignored>& info) { return info.param.name; });

TEST_F(ImageButtonTest, WithoutAPictureItPaintsCaptionAndFrame) {
    CImageButton bare;
    bare.SetImage(9999); // no such bitmap
    bare.SetCaption("Spustit test");
    ASSERT_TRUE(bare.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(20, 90, 20 + kWidth, 90 + kHeight),
                            &parent, 2));
    bare.SetClickMessage(kClick);
    SendMouse(bare, WM_MOUSEMOVE, 100, 30);
    bare.UpdateWindow();

    EXPECT_EQ(RGB(255, 255, 255), ClientPixel(bare, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), ClientPixel(bare, kWidth - 1, kHeight - 1));
    EXPECT_EQ(0, CountPixels(bare, CRect(1, 1, 62, kHeight - 1), IsNotButtonFace)) << "no picture";
    EXPECT_GT(CountPixels(bare, CRect(62, 1, kWidth - 1, kHeight - 1), IsDark), 20) << "the caption";
}

TEST_F(ImageButtonTest, ANewPictureOrCaptionShowsOnlyWithTheNextPaint) {
    ASSERT_TRUE(ShowsPicture(button, IDB_RUN, 10, 4));
    const CRect captionBand(62, 1, kWidth - 1, kHeight - 1);
    const int captionPixels = CountPixels(button, captionBand, IsDark);
    ASSERT_GT(captionPixels, 20);

    button.SetImage(IDB_QUIT);
    button.SetCaption("");
    EXPECT_FALSE(RepaintRequested(button));
    EXPECT_TRUE(ShowsPicture(button, IDB_RUN, 10, 4));

    // Repaints draw over what is there: a caption that is gone leaves the panel's earlier paint.
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(ShowsPicture(button, IDB_QUIT, 10, 4));
    EXPECT_EQ(0, CountPixels(button, captionBand, IsDark));
}

TEST_F(ImageButtonTest, ALongCaptionIsCentredAndCutAtTheCaptionRectangle) {
    button.SetCaption("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    button.InvalidateRect(nullptr, FALSE);
    button.UpdateWindow();
    // The caption rectangle starts at the picture's width (52) + 20.
    EXPECT_EQ(0, CountPixels(button, CRect(63, 1, 72, kHeight - 1), IsDark));
    EXPECT_GT(CountPixels(button, CRect(72, 1, 76, kHeight - 1), IsDark), 0);
    EXPECT_GT(CountPixels(button, CRect(kWidth - 5, 1, kWidth - 1, kHeight - 1), IsDark), 0);
}
} // namespace
