#include "tests/support/WindowTesting.h"

#include "platform/Text.h"

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

COLORREF ClientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

std::wstring WindowsPathOf(const char* unixPath) {
    std::wstring path = L"Z:" + ToWide(unixPath);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

namespace {
// Asks the window of the other thread to come to the front.
const UINT kComeToFront = WM_APP + 1;
} // namespace

OtherThreadInFront::OtherThreadInFront()
    : m_shown(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread(CreateThread(nullptr, 0, Run, this, 0, &m_threadId)) {
    WaitForSingleObject(m_shown, 5000);
    // The X server may hand the focus back to a window of this thread that has just appeared:
    // ask again until this thread has lost the activation, which it learns from its own queue.
    for (int attempt = 0; attempt < 10; ++attempt) {
        PostThreadMessageW(m_threadId, kComeToFront, 0, 0);
        if (WaitUntil([] { return GetActiveWindow() == nullptr; }, 300))
            break;
    }
}

OtherThreadInFront::~OtherThreadInFront() {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, 5000);
    CloseHandle(m_thread);
    CloseHandle(m_shown);
}

DWORD WINAPI OtherThreadInFront::Run(void* self) {
    auto* front = static_cast<OtherThreadInFront*>(self);
    const HWND window = CreateWindowExW(0, L"STATIC", L"jin\u00fd program", WS_POPUP | WS_VISIBLE, 400, 400,
                                        100, 50, nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the queue exists before the first request
    SetEvent(front->m_shown);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == kComeToFront)
            SetForegroundWindow(window);
        DispatchMessageW(&msg);
    }
    DestroyWindow(window);
    return 0;
}
