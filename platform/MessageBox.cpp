#include "platform/MessageBox.h"

#include "platform/Text.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook; // test seam only; empty in the program
    return hook;
}
} // namespace

int ShowMessageBox(HWND owner, const char* text, const char* title, UINT type) {
    return ShowMessageBox(owner, ToWide(text), title, type);
}

int ShowMessageBox(HWND owner, const std::wstring& text, const char* title, UINT type) {
    if (Hook())
        return Hook()(owner, text, CString(title), type);
    return MessageBoxW(owner, text.c_str(), ToWide(title).c_str(), type);
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}
