#pragma once
// Framework exceptions, thrown by value. What escapes a message handler is reported to the user
// by the window and dialog procedures (ReportEscapedException); the program goes on.

#include "platform/String.h"

#include <windows.h>

class CException {
public:
    virtual ~CException() = default;
    virtual CString GetErrorMessage() const = 0;
    // A message box with the cause and one OK button, owned by the active window; returns the
    // button pressed.
    int ReportError(UINT type = MB_OK | MB_ICONEXCLAMATION) const;
};

// A data exchange refused a control's value and has told the user already.
class CUserException : public CException {
public:
    CString GetErrorMessage() const override { return CString(); }
};

// Reports the exception being handled (call only inside a catch block) in a message box owned by
// owner. Never throws.
void ReportEscapedException(HWND owner) noexcept;
