#pragma once
// The one place where program text crosses into the window system. Program text is Windows-1250
// bytes whatever the system's ANSI code page, so the conversion names code page 1250 explicitly
// and every Win32 call underneath uses the W form.

#include <string>

class CString;

std::wstring ToWide(const char* text);
std::wstring ToWide(const CString& text);

// UTF-8, as the messages about characters outside Windows-1250 come, for the W functions.
std::wstring WideFromUtf8(const std::string& text);
// UTF-16 as UTF-8, for the converter's lines; a surrogate without its pair, which UTF-8 cannot
// carry, becomes U+FFFD.
std::string Utf8FromWide(const std::wstring& text);
// Whether every surrogate has its pair: a name that UTF-8 can carry, and so find again.
bool IsWellFormedUtf16(const std::wstring& text);

// Characters that Windows-1250 cannot hold become '?': take outside text only once it is known to
// fit.
CString FromWide(const wchar_t* text);
CString FromWide(const wchar_t* text, int length);

// UTF-8, as the portable code's texts are, in Windows-1250.
CString FromUtf8(const char* text);
