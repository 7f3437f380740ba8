#include "tests/support/ClientImage.h"

#include <algorithm>
#include <climits>

ClientImage::ClientImage(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, m_width, m_height, windowDc, 0, 0, SRCCOPY);
    GdiFlush();

    const auto* pixel = static_cast<const BYTE*>(bits);
    m_pixels.reserve(static_cast<size_t>(m_width) * m_height);
    for (int i = 0; i < m_width * m_height; ++i, pixel += 4)
        m_pixels.push_back(RGB(pixel[2], pixel[1], pixel[0])); // stored blue, green, red

    SelectObject(memoryDc, old);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
}

COLORREF ClientImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

bool ClientImage::operator==(const ClientImage& other) const {
    return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
}

PixelExtent FindPixels(const ClientImage& image, const RECT& area,
                       const std::function<bool(COLORREF)>& matches) {
    PixelExtent extent;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(image.Height(), area.bottom); ++y) {
        for (int x = std::max(0L, area.left); x < std::min<LONG>(image.Width(), area.right); ++x) {
            if (!matches(image.At(x, y)))
                continue;
            ++extent.count;
            extent.box.left = std::min<LONG>(extent.box.left, x);
            extent.box.top = std::min<LONG>(extent.box.top, y);
            extent.box.right = std::max<LONG>(extent.box.right, x);
            extent.box.bottom = std::max<LONG>(extent.box.bottom, y);
        }
    }
    return extent;
}

PixelExtent FindColour(const ClientImage& image, COLORREF colour, const RECT& area) {
    return FindPixels(image, area, [colour](COLORREF pixel) { return pixel == colour; });
}
