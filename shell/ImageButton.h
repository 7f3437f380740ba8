#pragma once
// CImageButton: a push button that draws itself (a picture, a one-line caption and a thin 3-D
// frame that follows the mouse) and posts its owner's message to its parent when a click ends
// inside it. Driven by the mouse alone: it takes no keys and never takes the focus.

#include "platform/Bitmap.h"
#include "platform/DC.h"
#include "platform/String.h"
#include "platform/Wnd.h"

class CImageButton : public CWnd {
public:
    // The look of the frame.
    enum ButtonState : int {
        Flat = 0,   // the pointer is not over the button, or a click has just ended
        Raised = 1, // the pointer is over the button, which is not held
        Sunken = 2, // the button is held and the pointer is over it
    };

    CImageButton() = default;

    // Loads the picture from the bitmap resource with this ID; a failed load leaves no picture.
    // Neither setter repaints: the change shows with the next paint.
    void SetImage(UINT resourceId);
    void SetCaption(const char* caption);
    // The message posted to the parent when a click ends inside the button.
    void SetClickMessage(UINT message) { m_clickMessage = message; }

    ButtonState State() const { return m_state; }
    bool IsPressed() const { return m_pressed != 0; }

protected:
    const MessageMap* GetMessageMap() const override;

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);

private:
    // Whether a mouse message's position (signed client coordinates) lies in the button.
    bool IsInside(LPARAM lParam) const;
    // Invalidates the whole button without erasing: every paint draws over the previous one.
    void Repaint() { InvalidateRect(nullptr, FALSE); }
    void DrawFrame(CDC& dc, const RECT& rect) const;

    CBitmap m_image;
    CString m_caption;
    ButtonState m_state = Flat;
    int m_pressed = 0; // the left button went down inside and has not come up yet
    UINT m_clickMessage = 0;
};
