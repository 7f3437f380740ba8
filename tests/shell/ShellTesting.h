#pragma once
// Helpers shared by the tests of the main panel and the image button.

#include <gtest/gtest.h>

#include <windows.h>

// A mouse message's position, as the system packs it (negative values while the mouse is captured).
inline LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}
// A mouse message as the system sends it to a window, with the left button down for a press.
LRESULT SendMouse(HWND window, UINT message, int x, int y);

// Moves the real pointer into the screen's far corner, away from every window the tests create,
// so that no real mouse move disturbs the messages a test sends.
void ParkPointer();

// Whether a pixel has the button-face colour, the ground of the panel and its buttons.
bool IsButtonFace(COLORREF color);
bool IsNotButtonFace(COLORREF color);
// Black or a dark grey: text drawn in black, whether or not its edges are smoothed.
bool IsDark(COLORREF color);

// Counts the pixels of a window's client area within [left, right) x [top, bottom) that match.
int CountPixels(HWND window, const RECT& area, bool (*matches)(COLORREF));

// Whether the bitmap resource appears unchanged in the window's client area with its top-left
// corner at (left, top).
::testing::AssertionResult ShowsPicture(HWND window, UINT imageId, int left, int top);
