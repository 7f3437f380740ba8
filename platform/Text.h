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

// Throws CTextException for a character that Windows-1250 cannot hold (a lone surrogate among
// them), never writing '?' in its place: the places where the user gives text check it first and
// say what to replace, so one that arrives here unchecked stops the operation instead.
CString FromWide(const wchar_t* text);
CString FromWide(const wchar_t* text, int length);
// Whether Windows-1250 holds every character of text, so that FromWide takes it whole.
bool FitsProgramCodePage(const std::wstring& text);

// UTF-8, as the portable code's texts are, in Windows-1250.
CString FromUtf8(const char* text);
