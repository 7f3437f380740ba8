#pragma once
// The one place that decides how a message box is shown. Tests set a hook that receives each box
// (owner, text, title, type) and returns the button to press instead of showing a real box.

#include "platform/String.h"

#include <windows.h>

#include <functional>

using MessageBoxHook = std::function<int(HWND owner, const CString& text, const CString& title, UINT type)>;

// Shows a modal box (text and title in Windows-1250) and returns the button pressed (IDOK, IDYES...).
int ShowMessageBox(HWND owner, const char* text, const char* title, UINT type);

// Test seam: with a hook set, no real box appears. Pass nullptr to restore real boxes.
void SetMessageBoxHook(MessageBoxHook hook);
