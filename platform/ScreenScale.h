#pragma once
// The one scale of everything laid out in pixels. The design's lengths are pixels of a 96-DPI
// screen; the program declares itself aware of the system's resolution, which it keeps from its
// start, and lays every window out for it.

#include <windows.h>

// The screen's resolution, in pixels per logical inch (96 at 100 %, 144 at 150 %).
int ScreenDpi();
// A length of the 96-DPI design in this screen's pixels.
int ScaleToScreen(int designPixels);
