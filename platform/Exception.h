#pragma once
// Framework exceptions, thrown by value. What escapes a message handler is reported to the user
// by the window and dialog procedures (ReportEscapedException); the program goes on.

#include "platform/String.h"

#include <windows.h>

#include <string>

class CException {
public:
    virtual ~CException() = default;
    // UTF-16: a file error names a path, which can hold any character.
    virtual std::wstring GetErrorMessage() const = 0;
    // A message box with the cause and one OK button, owned by CWnd::GetSafeOwner(); returns the
    // button pressed.
    int ReportError(UINT type = MB_OK | MB_ICONEXCLAMATION) const;
};

// A data exchange refused a control's value and has told the user already.
class CUserException : public CException {
public:
    std::wstring GetErrorMessage() const override { return std::wstring(); }
};

// Reports the exception being handled (call only inside a catch block) in a message box owned by
// the top-level window of the window whose handler it escaped (nullptr: the main window's). Never
// throws.
void ReportEscapedException(HWND window) noexcept;
