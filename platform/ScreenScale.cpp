#include "platform/ScreenScale.h"

namespace {
const int kDesignDpi = 96;
} // namespace

// Read anew each time: Windows fixes it for a system-aware program when the program starts, and
// Wine for each process.
int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ScaleToScreen(int designPixels) {
    return MulDiv(designPixels, ScreenDpi(), kDesignDpi);
}
