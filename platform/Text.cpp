#include "platform/Text.h"

#include "platform/Exception.h"
#include "platform/String.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

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

namespace {
// Converts length characters (a surrogate pair being two) with no best fit, so a character outside
// the code page never turns into a look-alike letter; false when one had to be left out.
bool ConvertsWhole(const wchar_t* text, int length, std::string* narrow) {
    BOOL lost = FALSE;
    const int needed = WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0,
                                           nullptr, &lost);
    if (lost || narrow == nullptr)
        return !lost;
    narrow->resize(static_cast<size_t>(needed));
    WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, text, length, &(*narrow)[0], needed, nullptr,
                        nullptr);
    return true;
}

// The first character of text that the code page cannot hold, as a code point.
char32_t FirstMisfit(const wchar_t* text, int length) {
    for (int i = 0; i < length; ++i) {
        const bool pair = i + 1 < length && IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1]);
        if (!ConvertsWhole(text + i, pair ? 2 : 1, nullptr))
            return pair ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
        i += pair;
    }
    return 0;
}
} // namespace

std::wstring CTextException::GetErrorMessage() const {
    wchar_t codePoint[16];
    swprintf(codePoint, 16, L"U+%04X", static_cast<unsigned>(m_character));
    return L"Text obsahuje znak " + std::wstring(codePoint) +
           L", který kódování Windows-1250 neobsahuje. Operace byla ukončena.";
}

CString FromWide(const wchar_t* text, int length) {
    if (text == nullptr || length <= 0)
        return CString();
    std::string narrow;
    if (!ConvertsWhole(text, length, &narrow))
        throw CTextException(FirstMisfit(text, length));
    return CString(narrow.c_str());
}

bool FitsProgramCodePage(const std::wstring& text) {
    return ConvertsWhole(text.data(), static_cast<int>(text.size()), nullptr);
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
