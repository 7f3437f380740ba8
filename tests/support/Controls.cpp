#include "tests/support/Controls.h"

#include "platform/String.h"
#include "platform/Text.h"

namespace {
// The one step waiting for its timer; a test runs at most one at a time.
std::function<void()>& LaterStep() {
    static std::function<void()> step;
    return step;
}

void CALLBACK RunLaterStep(HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    const std::function<void()> step = std::move(LaterStep());
    LaterStep() = nullptr;
    if (step)
        step();
}
} // namespace

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(SendBounded(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

std::string Text(HWND dialog, int id) {
    return FromWide(WindowText(GetDlgItem(dialog, id)).c_str()).GetString();
}

bool IsChecked(HWND dialog, int id) {
    return SendBounded(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

::testing::AssertionResult CanPress(HWND dialog, int id) {
    const HWND button = GetDlgItem(dialog, id);
    if (button == nullptr)
        return ::testing::AssertionFailure() << "the dialog has no button " << id;
    if (!IsWindowEnabled(button))
        return ::testing::AssertionFailure() << "button " << id << " is disabled";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Click(HWND dialog, int id) {
    ::testing::AssertionResult pressable = CanPress(dialog, id);
    if (pressable)
        SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    return pressable;
}

void PressKey(HWND dialog, WPARAM key) {
    MSG msg = {GetFocus(), WM_KEYDOWN, key, 1, GetTickCount(), {0, 0}};
    IsDialogMessageW(dialog, &msg);
}

void RunLater(HWND dialog, std::function<void()> step) {
    LaterStep() = std::move(step);
    SetTimer(dialog, 1, 20, RunLaterStep);
}
