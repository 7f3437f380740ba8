#include "shell/MenuPanel.h"
#include "tests/app/MainFrameCase.h"
#include "tests/shell/ShellTesting.h"
#include "tests/support/ClientImage.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <thread>

namespace {
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);

// The panel of a shown main frame, with the real pointer parked away from it.
class MenuPanelTest : public MainFrameCase {
protected:
    void SetUp() override {
        ParkPointer();
        MainFrameCase::SetUp();
        panel = Pane();
        ASSERT_NE(nullptr, panel);
        PumpMessages();
    }

    HWND Button(int id) const { return GetDlgItem(panel, id); }

    HWND panel = nullptr;
};

TEST_F(MenuPanelTest, HasNoBorderAlthoughTheFrameAsksForOneAndItsOwnClass) {
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE),
              GetWindowLongW(panel, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN));
    EXPECT_EQ(static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS), GetClassLongW(panel, GCL_STYLE));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))),
              GetClassLongPtrW(panel, GCLP_HCURSOR));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)),
              GetClassLongPtrW(panel, GCLP_HBRBACKGROUND));
    EXPECT_EQ(0u, GetClassLongPtrW(panel, GCLP_HICON));
}

bool IsRed(COLORREF color) {
    return color == kRed;
}
bool IsBlack(COLORREF color) {
    return color == kBlack;
}

TEST_F(MenuPanelTest, TitleIsRedOverABlackShadowTwoPixelsDownAndRight) {
    const RECT band = {0, 0, 294, 88};
    int reds = 0;
    int shadows = 0;
    for (int y = band.top; y < band.bottom - 2; ++y) {
        for (int x = band.left; x < band.right - 2; ++x) {
            if (ClientPixel(panel, x, y) != kRed)
                continue;
            ++reds;
            // Beneath a fully red pixel lies a fully black one of the shadow, showing or covered
            // by red: the two mix to a pure red tone.
            const COLORREF below = ClientPixel(panel, x + 2, y + 2);
            EXPECT_TRUE(GetGValue(below) == 0 && GetBValue(below) == 0)
                << std::hex << below << " at " << std::dec << x + 2 << ", " << y + 2;
            shadows += below == kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(reds, 500);
    EXPECT_GT(shadows, 50);

    const ClientImage image(panel);
    const RECT red = FindPixels(image, band, IsRed).box;
    const RECT black = FindPixels(image, band, IsBlack).box;
    EXPECT_GE(red.left, 23);
    EXPECT_LE(red.left, 28);
    EXPECT_GE(red.top, 18);
    EXPECT_LE(red.top, 32);
    EXPECT_EQ(red.left + 2, black.left);
    EXPECT_EQ(red.top + 2, black.top);
    EXPECT_EQ(red.right + 2, black.right);
    EXPECT_EQ(red.bottom + 2, black.bottom);
}

TEST_F(MenuPanelTest, CreditLineIsBlackTextBelowTheButtons) {
    const RECT line = FindPixels(ClientImage(panel), RECT{0, 331, 294, 372}, IsNotButtonFace).box;
    EXPECT_GE(line.left, 10);
    EXPECT_LE(line.left, 12);
    EXPECT_GE(line.top, 345);
    EXPECT_LT(line.bottom, 345 + 16);
    EXPECT_GT(CountPixels(panel, RECT{10, 345, 294, 361}, IsDark), 60);
}

struct PanelButton {
    const char* name;
    int id;
    RECT rect; // in the panel's client coordinates
    UINT image;
    UINT command;
};

void PrintTo(const PanelButton& b, std::ostream* os) {
    *os << b.name;
}

const PanelButton kButtons[] = {
    {"Run", 1, {30, 90, 230, 150}, IDB_RUN, WM_PANEL_RUN},
    {"New", 2, {45, 150, 245, 210}, IDB_NEW, WM_PANEL_NEW},
    {"Edit", 3, {45, 210, 245, 270}, IDB_EDIT, WM_PANEL_EDIT},
    {"Quit", 4, {30, 270, 230, 330}, IDB_QUIT, WM_PANEL_EXIT},
};

class PanelButtonTest : public MenuPanelTest, public ::testing::WithParamInterface<PanelButton> {
protected:
    HWND Button() const { return MenuPanelTest::Button(GetParam().id); }
    LRESULT Send(UINT message, int x, int y) { return SendMouse(Button(), message, x, y); }
};

TEST_P(PanelButtonTest, SitsAtItsRectangleAsAChildOfTheDefaultClass) {
    const HWND button = Button();
    ASSERT_NE(nullptr, button);
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&rect), 2);
    const RECT& expected = GetParam().rect;
    EXPECT_EQ(expected.left, rect.left);
    EXPECT_EQ(expected.top, rect.top);
    EXPECT_EQ(expected.right, rect.right);
    EXPECT_EQ(expected.bottom, rect.bottom);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE),
              GetWindowLongW(button, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP));
    EXPECT_EQ(0, GetWindowTextLengthW(button));
    // A double-click arrives as such, so that its second press is not taken for a new click.
    EXPECT_EQ(static_cast<DWORD>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), GetClassLongW(button, GCL_STYLE));
    EXPECT_EQ(0u, GetClassLongPtrW(button, GCLP_HBRBACKGROUND));
}

TEST_P(PanelButtonTest, ShowsItsPictureAndCaptionOnThePanelsGround) {
    const HWND button = Button();
    EXPECT_TRUE(ShowsPicture(button, GetParam().image, 10, 4));
    EXPECT_EQ(0, CountPixels(button, RECT{1, 1, 10, 59}, IsNotButtonFace));
    EXPECT_EQ(0, CountPixels(button, RECT{10, 1, 62, 4}, IsNotButtonFace));
    EXPECT_EQ(0, CountPixels(button, RECT{10, 56, 62, 59}, IsNotButtonFace));
    EXPECT_EQ(0, CountPixels(button, RECT{62, 1, 72, 59}, IsNotButtonFace));
    EXPECT_GT(CountPixels(button, RECT{72, 1, 199, 59}, IsDark), 20) << "the caption";
}

// The frame's one-pixel edges: top and left in one colour, right and bottom, with the top-right
// and bottom-left corners, in the other.
::testing::AssertionResult ShowsFrame(HWND button, COLORREF topLeft, COLORREF bottomRight) {
    struct Probe {
        int x, y;
        bool topLeftEdge;
    } const probes[] = {{0, 0, true},     {100, 0, true},   {198, 0, true},  {0, 30, true},
                        {0, 58, true},    {199, 0, false},  {0, 59, false},  {199, 30, false},
                        {100, 59, false}, {199, 59, false}, {199, 1, false}, {1, 59, false}};
    for (const Probe& p : probes) {
        const COLORREF expected = p.topLeftEdge ? topLeft : bottomRight;
        const COLORREF shown = ClientPixel(button, p.x, p.y);
        if (shown != expected)
            return ::testing::AssertionFailure()
                   << "(" << p.x << ", " << p.y << ") is " << std::hex << shown << ", expected " << expected;
    }
    return ::testing::AssertionSuccess();
}

TEST_P(PanelButtonTest, FrameIsFlatRaisedOrSunkenWithTheMouse) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Step {
        const char* name;
        UINT message;
        POINT at;
        COLORREF topLeft, bottomRight;
    } const steps[] = {
        {"at rest", 0, {0, 0}, face, face},
        {"pointer over it", WM_MOUSEMOVE, {100, 30}, kWhite, kBlack},
        {"pointer gone", WM_MOUSEMOVE, {100, 60}, face, face},
        {"pointer back", WM_MOUSEMOVE, {199, 59}, kWhite, kBlack},
        {"pressed", WM_LBUTTONDOWN, {199, 59}, kBlack, kWhite},
        {"held outside", WM_MOUSEMOVE, {-1, 59}, face, face},
        {"held inside again", WM_MOUSEMOVE, {0, 0}, kBlack, kWhite},
        {"held outside again", WM_MOUSEMOVE, {-20, -20}, face, face},
        {"released outside", WM_LBUTTONUP, {-20, -20}, face, face},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.message)
            Send(step.message, step.at.x, step.at.y);
        UpdateWindow(Button());
        EXPECT_TRUE(ShowsFrame(Button(), step.topLeft, step.bottomRight));
    }
}

TEST_P(PanelButtonTest, AClickPostsItsCommandToThePanel) {
    Send(WM_MOUSEMOVE, 50, 30);
    Send(WM_LBUTTONDOWN, 50, 30);
    Send(WM_LBUTTONUP, 50, 30);
    // Taken off the queue undispatched, so that "Ukončit" does not close the window here.
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, panel, WM_PANEL_RUN, WM_PANEL_EXIT, PM_REMOVE));
    EXPECT_EQ(GetParam().command, msg.message);
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_EQ(0, msg.lParam);
    EXPECT_FALSE(PeekMessageW(&msg, panel, WM_PANEL_RUN, WM_PANEL_EXIT, PM_REMOVE)) << "posted once";
}

INSTANTIATE_TEST_SUITE_P(EachButton, PanelButtonTest, ::testing::ValuesIn(kButtons),
                         [](const ::testing::TestParamInfo<PanelButton>& info) { return info.param.name; });

// Ways to quit; each must close the main window the way its close box does.
struct ExitPath {
    const char* name;
    void (*start)(HWND panel);
};

void PrintTo(const ExitPath& path, std::ostream* os) {
    *os << path.name;
}

const ExitPath kExitPaths[] = {
    {"ClickOnUkoncit",
     [](HWND panel) {
         for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
             SendMouse(GetDlgItem(panel, 4), message, 100, 30);
     }},
    {"PostedWithoutParameters", [](HWND panel) { PostMessageW(panel, WM_PANEL_EXIT, 0, 0); }},
    {"PostedWithAnyParameters", [](HWND panel) { PostMessageW(panel, WM_PANEL_EXIT, 0xDEADBEEF, -1); }},
    {"Sent", [](HWND panel) { SendMessageW(panel, WM_PANEL_EXIT, 7, 9); }},
    {"PostedByAnotherThread",
     [](HWND panel) { std::thread([panel] { PostMessageW(panel, WM_PANEL_EXIT, 1, 2); }).join(); }},
};

class PanelExit : public MenuPanelTest, public ::testing::WithParamInterface<ExitPath> {};

TEST_P(PanelExit, ClosesTheMainWindowAndEndsTheMessageLoop) {
    GetParam().start(panel);
    const Ending ending = RunUntilQuit(main);
    EXPECT_TRUE(ending.closePosted) << "WM_CLOSE posted to the main window";
    EXPECT_TRUE(ending.quit);
    EXPECT_EQ(0u, ending.exitCode);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(nullptr, AfxGetApp()->m_pMainWnd);
}

INSTANTIATE_TEST_SUITE_P(EverySender, PanelExit, ::testing::ValuesIn(kExitPaths),
                         [](const ::testing::TestParamInfo<ExitPath>& info) { return info.param.name; });

// Real mouse input through the window system, as a user gives it.
void RealMouse(DWORD flags, HWND window = nullptr, int x = 0, int y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (window) {
        POINT p = {x, y};
        ClientToScreen(window, &p);
        input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
        input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
        input.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(1, &input, sizeof input);
}

bool ShowsFrameSoon(HWND button, COLORREF topLeft, COLORREF bottomRight) {
    return WaitUntil([&] {
        UpdateWindow(button);
        return ShowsFrame(button, topLeft, bottomRight);
    });
}

TEST_F(MenuPanelTest, TheRealPointerRaisesButtonsAndARealClickOnUkoncitQuits) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const HWND newTest = Button(2);
    const HWND quit = Button(4);
    // Away from the screen's corner, where windows of tests running beside this one appear.
    SetWindowPos(main, HWND_TOP, 400, 200, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(main);
    ASSERT_EQ(panel, GetFocus());

    RealMouse(0, newTest, 100, 30);
    EXPECT_TRUE(ShowsFrameSoon(newTest, kWhite, kBlack));
    // The first move away reaches the captured "Nový test"; "Ukončit" rises with the next.
    RealMouse(0, quit, 100, 30);
    RealMouse(0, quit, 101, 31);
    EXPECT_TRUE(ShowsFrameSoon(newTest, face, face));
    EXPECT_TRUE(ShowsFrameSoon(quit, kWhite, kBlack));

    RealMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(ShowsFrameSoon(quit, kBlack, kWhite));
    EXPECT_EQ(panel, GetFocus()) << "the button never takes the focus";
    RealMouse(MOUSEEVENTF_LEFTUP);

    const Ending ending = RunUntilQuit(main);
    EXPECT_TRUE(ending.closePosted);
    EXPECT_TRUE(ending.quit);
    EXPECT_FALSE(IsWindow(main));
}
} // namespace
