#include "platform/Text.h"

#include "platform/String.h"

#include <windows.h>

#include <cstring>

namespace {
const UINT kProgramCodePage = 1250;
}

std::wstring ToWide(const char* text) {
    if (text == nullptr || *text == '\0')
        return std::wstring();
    const int length = static_cast<int>(std::strlen(text));
    const int needed = MultiByteToWideChar(kProgramCodePage, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(kProgramCodePage, 0, text, length, &wide[0], needed);
    return wide;
}

std::wstring ToWide(const CString& text) {
    return ToWide(static_cast<const char*>(text));
}

std::wstring WideFromUtf8(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], needed);
    return wide;
}

CString FromWide(const wchar_t* text, int length) {
    if (text == nullptr || length <= 0)
        return CString();
    // No best fit: a character outside the code page must not turn into a look-alike letter.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int needed = WideCharToMultiByte(kProgramCodePage, flags, text, length, nullptr, 0, "?", nullptr);
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(kProgramCodePage, flags, text, length, &narrow[0], needed, "?", nullptr);
    return CString(narrow.c_str());
}

CString FromWide(const wchar_t* text) {
    return text ? FromWide(text, static_cast<int>(std::wcslen(text))) : CString();
}

CString FromUtf8(const char* text) {
    return FromWide(WideFromUtf8(text).c_str());
}

std::string Utf8FromWide(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

bool IsWellFormedUtf16(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const bool lead = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        const bool paired = lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (paired)
            ++i;
        else if (text[i] >= 0xD800 && text[i] <= 0xDFFF)
            return false;
    }
    return true;
}
