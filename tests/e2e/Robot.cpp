#include "tests/e2e/Robot.h"

#include "tests/support/WindowTesting.h"

#include <fstream>

std::string Narrow(const std::wstring& text) {
    std::string bytes(text.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0],
                                      static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return bytes;
}

std::wstring Wide1250(const char* text) {
    wchar_t buffer[2048] = {};
    MultiByteToWideChar(1250, 0, text, -1, buffer, 2048);
    return buffer;
}

namespace {
void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
}

POINT MiddleOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
} // namespace

namespace {
struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId && IsWindowVisible(hwnd))
        search->found.push_back(hwnd);
    return TRUE;
}
} // namespace

std::string Robot::DescribeWindows() const {
    std::string text;
    for (HWND hwnd : VisibleWindows()) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        text += "\"" + Narrow(WindowText(hwnd)) + "\" at " + std::to_string(rect.left) + "," +
                std::to_string(rect.top) + (IsWindowEnabled(hwnd) ? "" : " (disabled)") + "; ";
    }
    POINT pointer;
    GetCursorPos(&pointer);
    return text + "pointer at " + std::to_string(pointer.x) + "," + std::to_string(pointer.y);
}

std::vector<HWND> Robot::VisibleWindows() const {
    WindowSearch search{m_processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Robot::WaitForWindow(const std::wstring& title, bool prefix, HWND except, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : VisibleWindows()) {
                if (hwnd == except)
                    continue;
                const std::wstring text = WindowText(hwnd);
                if (text == title || (prefix && text.compare(0, title.size(), title) == 0)) {
                    found = hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (found)
        Sleep(50); // let the window finish its first paint and initialisation
    return found;
}

bool Robot::WaitUntilGone(const std::wstring& title, DWORD timeoutMs) const {
    return WaitUntil(
        [&] {
            for (HWND hwnd : VisibleWindows())
                if (WindowText(hwnd) == title)
                    return false;
            return true;
        },
        timeoutMs);
}

::testing::AssertionResult Robot::WaitForMessageBox(const std::wstring& title, ShownMessageBox& shown,
                                                    HWND except) const {
    const HWND box = WaitForWindow(title, false, except);
    if (box == nullptr)
        return ::testing::AssertionFailure() << "no message box titled \"" << Narrow(title) << "\" appeared";
    shown = ShownMessageBox();
    shown.box = box;
    shown.owner = GetWindow(box, GW_OWNER);
    shown.yesNo = GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        if (_wcsicmp(className, L"Static") == 0 && !WindowText(child).empty())
            shown.text = WindowText(child);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Robot::Answer(const ShownMessageBox& shown, int button) const {
    const ::testing::AssertionResult clicked = Click(shown.box, button);
    if (!clicked)
        return clicked;
    if (!WaitUntil([&] { return !IsWindow(shown.box); }, 10000))
        return ::testing::AssertionFailure() << "the message box did not close";
    return ::testing::AssertionSuccess();
}

void Robot::Hover(HWND window) const {
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    const POINT middle = MiddleOf(window);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, middle.x - 5, middle.y);
    Sleep(50);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, middle.x, middle.y);
    Sleep(100);
}

void Robot::Press() const {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
}

void Robot::Release() const {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Sleep(50);
}

std::wstring Robot::ListEntry(HWND list, int index) {
    wchar_t entry[512] = {};
    if (SendBounded(list, LB_GETTEXTLEN, index) >= 512)
        return std::wstring();
    SendBounded(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry));
    return entry;
}

void Robot::Type(HWND dialog, int id, const std::wstring& text) {
    SendBounded(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

::testing::AssertionResult Robot::Click(HWND dialog, int id) {
    ::testing::AssertionResult pressable = CanPress(dialog, id);
    if (pressable)
        PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    return pressable;
}

HWND Robot::FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Copies a window as the screen shows it into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window)
        GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) + imageBytes, 0, 0,
        sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}
