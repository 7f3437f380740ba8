#pragma once
// Helpers for tests that drive real windows.

#include <windows.h>

#include <functional>
#include <string>

// Dispatches every queued message of this thread.
void PumpMessages();

// Pumps messages until the condition holds or the time runs out; returns the condition's value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The colour of one pixel of a window's client area as it is on the screen.
COLORREF ClientPixel(HWND window, int x, int y);

// A build path (Unix) as the Windows programs under Wine see it: the root file system is drive Z:.
std::wstring WindowsPathOf(const char* unixPath);

// A window of another thread in the foreground, as when the user has switched to another program:
// this thread then has no active window. It goes when the object goes.
class OtherThreadInFront {
public:
    OtherThreadInFront();
    ~OtherThreadInFront();
    OtherThreadInFront(const OtherThreadInFront&) = delete;
    OtherThreadInFront& operator=(const OtherThreadInFront&) = delete;

private:
    static DWORD WINAPI Run(void* self);

    DWORD m_threadId = 0; // before m_thread, which sets it
    HANDLE m_shown;
    HANDLE m_thread;
};
