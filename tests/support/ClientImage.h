#pragma once
// The client area of a window as it is on the screen, read back pixel by pixel, and the extent of
// the pixels in a part of it that match.

#include <windows.h>

#include <climits>
#include <functional>
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

// The pixels of an area that match: how many, and their bounding box.
struct PixelExtent {
    int count = 0;
    RECT box = {INT_MAX, INT_MAX, INT_MIN, INT_MIN}; // right and bottom inclusive
};
PixelExtent FindPixels(const ClientImage& image, const RECT& area,
                       const std::function<bool(COLORREF)>& matches);
PixelExtent FindColour(const ClientImage& image, COLORREF colour, const RECT& area);
