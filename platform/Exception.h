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

// Text held a character that Windows-1250 cannot hold, where the program converts it to its own
// text (FromWide): the operation stops rather than keep the text with the character lost.
class CTextException : public CException {
public:
    explicit CTextException(char32_t character) : m_character(character) {}
    std::wstring GetErrorMessage() const override;
    char32_t Character() const { return m_character; }

private:
    char32_t m_character;
};

// Reports the exception being handled (call only inside a catch block) in a message box owned by
// the top-level window of the window whose handler it escaped (nullptr: the main window's). Never
// throws.
void ReportEscapedException(HWND window) noexcept;
