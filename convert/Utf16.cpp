#include "convert/Utf16.h"

#include <windows.h>

namespace {
bool IsSurrogate(char32_t character) {
    return character >= 0xD800 && character <= 0xDFFF;
}
} // namespace

char32_t Utf16::At(const std::wstring& text, size_t at, size_t& units) {
    const char32_t first = text[at];
    const char32_t second = at + 1 < text.size() ? text[at + 1] : 0;
    units = 1;
    if (first < 0xD800 || first > 0xDBFF || second < 0xDC00 || second > 0xDFFF)
        return first;
    units = 2;
    return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
}

bool Utf16::IsWellFormed(const std::wstring& text) {
    for (size_t at = 0, units = 0; at < text.size(); at += units)
        if (IsSurrogate(At(text, at, units)))
            return false;
    return true;
}

std::wstring Utf16::FromUtf8(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string Utf16::ToUtf8(const std::wstring& text) {
    std::wstring paired = text;
    for (size_t at = 0, units = 0; at < paired.size(); at += units)
        if (IsSurrogate(At(paired, at, units)))
            paired[at] = 0xFFFD;
    const int size = static_cast<int>(paired.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, paired.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, paired.data(), size, &utf8[0], length, nullptr, nullptr);
    return utf8;
}
