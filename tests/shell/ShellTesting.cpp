#include "tests/shell/ShellTesting.h"

#include "platform/Bitmap.h"
#include "platform/DC.h"
#include "tests/support/WindowTesting.h"

void ParkPointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

bool IsButtonFace(COLORREF color) {
    return color == GetSysColor(COLOR_BTNFACE);
}

bool IsDark(COLORREF color) {
    return GetRValue(color) < 0x60 && GetGValue(color) < 0x60 && GetBValue(color) < 0x60;
}

int CountPixels(HWND window, const RECT& area, bool (*matches)(COLORREF)) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += matches(ClientPixel(window, x, y)) ? 1 : 0;
    return count;
}

::testing::AssertionResult ShowsPicture(HWND window, UINT imageId, int left, int top) {
    CBitmap image;
    BITMAP size = {};
    if (!image.LoadBitmapA(imageId) || !image.GetObjectA(&size))
        return ::testing::AssertionFailure() << "bitmap " << imageId << " does not load";
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = memory.SelectObject(&image);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    for (int y = 0; y < size.bmHeight && result; ++y) {
        for (int x = 0; x < size.bmWidth && result; ++x) {
            const COLORREF expected = GetPixel(memory.m_hDC, x, y);
            const COLORREF shown = ClientPixel(window, left + x, top + y);
            if (shown != expected)
                result = ::testing::AssertionFailure()
                         << "bitmap " << imageId << " pixel (" << x << ", " << y << ") is " << std::hex
                         << expected << " but the window shows " << shown << " at (" << std::dec << left + x
                         << ", " << top + y << ")";
        }
    }
    memory.SelectObject(previous);
    return result;
}
