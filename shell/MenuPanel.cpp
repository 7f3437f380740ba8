#include "shell/MenuPanel.h"

#include "authoring/EditTestWorkflow.h"
#include "authoring/NewTestWorkflow.h"
#include "platform/DC.h"
#include "platform/Rect.h"
#include "platform/ScreenScale.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "run/RunWorkflow.h"

namespace {
const char kTitle[] = "Kvizar 2004";
const char kCredit[] = "Naprogramoval tým Kvizar 2004, © 2026";
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

// A rectangle of the 96-DPI design on this screen.
CRect Scaled(int left, int top, int right, int bottom) {
    return CRect(ScaleToScreen(left), ScaleToScreen(top), ScaleToScreen(right), ScaleToScreen(bottom));
}
} // namespace

const MessageMap* CMenuPanel::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_PAINT, &CMenuPanel::OnPaint),          // the title and the credit line
        OnMessage(WM_CREATE, &CMenuPanel::OnCreate),        // the buttons and the footer font
        OnMessage(WM_PANEL_EXIT, &CMenuPanel::OnPanelExit), // "Ukončit"
        OnMessage(WM_PANEL_NEW, &CMenuPanel::OnPanelNew),   // "Nový test"
        OnMessage(WM_PANEL_EDIT, &CMenuPanel::OnPanelEdit), // "Editovat test"
        OnMessage(WM_PANEL_RUN, &CMenuPanel::OnPanelRun),   // "Spustit test"
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
    return &map;
}

BOOL CMenuPanel::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // The frame asks for a border; the panel has none.
    cs.style &= ~WS_BORDER;
    // The background brush paints the panel, and, with no clip-children style, also the ground
    // beneath the buttons, which paint no background of their own.
    cs.lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, AfxArrowCursor(),
                                       GetSysColorBrush(COLOR_BTNFACE), nullptr);
    return TRUE;
}

// Creates the four buttons in one column, then the credit line's font. The click messages are
// set last, still before the message loop can bring the buttons any mouse input.
LRESULT CMenuPanel::OnCreate(WPARAM, LPARAM) {
    if (Default() == -1)
        return -1;
    struct Placement {
        CImageButton& button;
        UINT image;
        const char* caption;
        CRect rect;
        UINT id;
        UINT clickMessage;
    };
    const Placement placements[] = {
        {m_quitButton, IDB_QUIT, "Ukončit", Scaled(30, 270, 230, 330), 4, WM_PANEL_EXIT},
        {m_runButton, IDB_RUN, "Spustit test", Scaled(30, 90, 230, 150), 1, WM_PANEL_RUN},
        {m_newButton, IDB_NEW, "Nový test", Scaled(45, 150, 245, 210), 2, WM_PANEL_NEW},
        {m_editButton, IDB_EDIT, "Editovat test", Scaled(45, 210, 245, 270), 3, WM_PANEL_EDIT},
    };
    for (const Placement& p : placements) {
        p.button.SetImage(p.image);
        p.button.SetCaption(p.caption);
        p.button.Create(nullptr, "", WS_CHILD | WS_VISIBLE, p.rect, this, p.id);
    }
    m_footerFont.CreatePointFont(80, "MS Sans Serif");
    for (const Placement& p : placements)
        p.button.SetClickMessage(p.clickMessage);
    return 0;
}

// The title twice, black and then red 2 pixels (at 96 DPI) up and left, so that the black copy
// shows as a shadow; below the buttons the credit line.
LRESULT CMenuPanel::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(m_hWnd);
    CFont titleFont; // made anew on every paint, deleted after it is selected out again
    titleFont.CreatePointFont(340, "Arial");

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kBlack);
    const HGDIOBJ previous = dc.SelectObject(&titleFont);
    const int x = ScaleToScreen(23), y = ScaleToScreen(18), shadow = ScaleToScreen(2);
    dc.TextOut(x + shadow, y + shadow, kTitle);
    dc.SetTextColor(kRed);
    dc.TextOut(x, y, kTitle);

    dc.SelectObject(&m_footerFont);
    CFont creditFont; // the footer font's stand-in where it cannot draw this line (CFont)
    dc.SelectCzechFont(creditFont);
    dc.SetTextColor(kBlack);
    dc.TextOut(ScaleToScreen(10), ScaleToScreen(345), kCredit);
    dc.SelectObject(previous);
    return 0;
}

// The main window closes as through its close box.
LRESULT CMenuPanel::OnPanelExit(WPARAM, LPARAM) {
    return AfxGetThread()->GetMainWnd()->PostMessageA(WM_CLOSE, 0, 0);
}

// The new-test workflow: name, questions, save.
LRESULT CMenuPanel::OnPanelNew(WPARAM, LPARAM) {
    NewTestWorkflow(*this);
    return 0;
}

// The edit workflow: pick, load, edit, save.
LRESULT CMenuPanel::OnPanelEdit(WPARAM, LPARAM) {
    EditTestWorkflow(*this);
    return 0;
}

// The run workflow: pick, load, quiz, results.
LRESULT CMenuPanel::OnPanelRun(WPARAM, LPARAM) {
    RunTestWorkflow(*this);
    return 0;
}
