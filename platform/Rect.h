#pragma once
// CRect: a RECT with the few operations the program uses. Right and bottom are exclusive.

#include <windows.h>

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Moves each edge inwards by its own margin.
    void DeflateRect(int l, int t, int r, int b) {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    BOOL PtInRect(POINT p) const { return ::PtInRect(this, p); }
    operator RECT*() { return this; }
    operator const RECT*() const { return this; }
};
