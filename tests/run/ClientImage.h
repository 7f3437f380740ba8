#pragma once
// The client area of a window as it is on the screen, read back pixel by pixel, and the extent of
// the pixels of one colour in a part of it.

#include <windows.h>

#include <climits>
#include <vector>

class ClientImage {
public:
    explicit ClientImage(HWND window);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // CLR_INVALID outside the image.
    COLORREF At(int x, int y) const;
    bool operator==(const ClientImage& other) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// The pixels of exactly one colour inside an area: how many, and their bounding box.
struct ColourExtent {
    int count = 0;
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN}; // right and bottom inclusive
};
ColourExtent FindColour(const ClientImage& image, COLORREF colour, const RECT& area);
