#pragma once
// The one place that decides how a message box is shown. Tests set a hook that receives each box
// (owner, text, title, type) and returns the button to press instead of showing a real box.

#include "platform/String.h"

#include <windows.h>

#include <functional>
#include <string>

// The text as the box shows it: it may name a path, which can hold any character.
using MessageBoxHook =
    std::function<int(HWND owner, const std::wstring& text, const CString& title, UINT type)>;

// Shows a modal box (text and title in Windows-1250) and returns the button pressed (IDOK, IDYES...).
int ShowMessageBox(HWND owner, const char* text, const char* title, UINT type);
// The same for a text that is not program text alone, such as one that names a path.
int ShowMessageBox(HWND owner, const std::wstring& text, const char* title, UINT type);

// Test seam: with a hook set, no real box appears. Pass nullptr to restore real boxes.
void SetMessageBoxHook(MessageBoxHook hook);
