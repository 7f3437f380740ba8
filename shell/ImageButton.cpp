#include "shell/ImageButton.h"

#include "platform/Font.h"
#include "platform/Rect.h"
#include "platform/ScreenScale.h"
#include "res/resource.h"

#include <windowsx.h>

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
// 96-DPI pixels: the picture's margin, and the caption's rectangle starts this far right of the
// button's left edge, plus the picture's width.
const int kPictureLeft = 10;
const int kCaptionOffset = 20;
const int kDesignPictureSize = 52;

// The sizes each picture is drawn at, largest first, with the steps its ID takes for them
// (resource.h): 52 pixels at 100 %, then 125, 150 and 200 %.
const struct {
    int size;
    UINT steps;
} kDrawnSizes[] = {{104, 3}, {78, 2}, {65, 1}, {kDesignPictureSize, 0}};
} // namespace

const MessageMap* CImageButton::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_PAINT, &CImageButton::OnPaint),
        OnMessage(WM_MOUSEMOVE, &CImageButton::OnMouseMove),
        OnMessage(WM_LBUTTONDOWN, &CImageButton::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CImageButton::OnLButtonUp),
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
    return &map;
}

// Of the sizes the picture is drawn at, the one for the screen's scale, or for a scale in between
// the largest that fits the room the 52-pixel picture has there; at 100 % the 52-pixel one.
void CImageButton::SetImage(UINT resourceId) {
    m_image.DeleteObject();
    const int room = ScaleToScreen(kDesignPictureSize);
    for (const auto& drawn : kDrawnSizes) {
        if (drawn.size <= room || drawn.steps == 0) {
            m_image.LoadBitmapA(resourceId + drawn.steps * IDB_SCALE_STEP);
            return;
        }
    }
}

void CImageButton::SetCaption(const char* caption) {
    m_caption = caption;
}

bool CImageButton::IsInside(LPARAM lParam) const {
    // Signed: while the button holds the capture, positions left of or above it are negative.
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(point) != FALSE;
}

// The picture 10 pixels (at 96 DPI) from the left and centred vertically, the caption centred in
// the rest, then the frame. No background: the panel's shows through wherever nothing is drawn.
LRESULT CImageButton::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(m_hWnd);
    CRect client;
    GetClientRect(&client);

    // A picture that failed to load has no size: the button then shows its caption and frame.
    BITMAP picture = {};
    if (m_image.GetObjectA(&picture) != 0) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        const HGDIOBJ previous = memory.SelectObject(&m_image);
        const int top = client.top + (client.bottom - client.top) / 2 - picture.bmHeight / 2;
        dc.BitBlt(ScaleToScreen(kPictureLeft), top, picture.bmWidth, picture.bmHeight, &memory, 0, 0,
                  SRCCOPY);
        memory.SelectObject(previous);
    }

    // The caption in the device context's default font, the system font, or its stand-in where
    // that has no "č" (a Western system) or not the scale's size (CFont).
    dc.SetBkMode(TRANSPARENT);
    CFont captionFont;
    const HGDIOBJ systemFont = dc.SelectCzechFont(captionFont);
    CRect captionRect = client;
    captionRect.left += picture.bmWidth + ScaleToScreen(kCaptionOffset);
    dc.DrawText(m_caption, &captionRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(systemFont);

    GetClientRect(&client);
    DrawFrame(dc, client);
    return 0;
}

void CImageButton::DrawFrame(CDC& dc, const RECT& rect) const {
    if (m_state == Raised) {
        dc.Draw3dRect(rect, kWhite, kBlack);
    } else if (m_state == Flat) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        dc.Draw3dRect(rect, face, face); // wipes out an earlier raised or sunken frame
    } else if (m_state == Sunken) {
        dc.Draw3dRect(rect, kBlack, kWhite);
    }
}

// The pointer over the button raises it (sinks it while held) and keeps the mouse, so that the
// move that leaves it still arrives here and flattens it.
LRESULT CImageButton::OnMouseMove(WPARAM, LPARAM lParam) {
    if (IsInside(lParam)) {
        m_state = m_pressed ? Sunken : Raised;
        SetCapture();
    } else {
        m_state = Flat;
        if (!m_pressed)
            ReleaseCapture(); // a held button keeps the mouse until the left button comes up
    }
    Repaint();
    return Default();
}

LRESULT CImageButton::OnLButtonDown(WPARAM, LPARAM lParam) {
    if (IsInside(lParam)) {
        m_pressed = 1;
        SetCapture();
        m_state = Sunken;
        Repaint();
    }
    return Default();
}

// A click is a press and a release both inside. The message is posted, never sent, so the
// owner's command runs from the message loop after this handler has returned.
LRESULT CImageButton::OnLButtonUp(WPARAM, LPARAM lParam) {
    if (IsInside(lParam) && m_pressed) {
        m_state = Flat;
        Repaint();
        CWnd(GetParent()).PostMessageA(m_clickMessage, 0, 0);
    }
    m_pressed = 0;
    ReleaseCapture();
    return Default();
}
