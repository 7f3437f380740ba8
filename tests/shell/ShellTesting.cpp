#include "tests/shell/ShellTesting.h"

#include "platform/Bitmap.h"
#include "platform/DC.h"
#include "tests/support/ClientImage.h"
#include "tests/support/WindowTesting.h"

void ParkPointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

LRESULT SendMouse(HWND window, UINT message, int x, int y) {
    const WPARAM keys = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
    return SendMessageW(window, message, keys, At(x, y));
}

bool IsButtonFace(COLORREF color) {
    return color == GetSysColor(COLOR_BTNFACE);
}

bool IsDark(COLORREF color) {
    return GetRValue(color) < 0x60 && GetGValue(color) < 0x60 && GetBValue(color) < 0x60;
}

bool IsNotButtonFace(COLORREF color) {
    return !IsButtonFace(color);
}

int CountPixels(HWND window, const RECT& area, bool (*matches)(COLORREF)) {
    return FindPixels(ClientImage(window), area, matches).count;
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
