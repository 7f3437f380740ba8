#pragma once
// Text as the W functions take and give it (UTF-16), against the UTF-8 of the converter's core.
// A Windows name may hold a surrogate without its pair, which no UTF-8 can carry.

#include <string>

class Utf16 {
public:
    // The character that starts at text[at] and how many units it takes; a surrogate without its
    // pair stands for itself, in one unit.
    static char32_t At(const std::wstring& text, size_t at, size_t& units);
    // Whether every surrogate has its pair.
    static bool IsWellFormed(const std::wstring& text);

    static std::wstring FromUtf8(const std::string& text);
    // A surrogate without its pair becomes U+FFFD: good for showing a name, not for finding it.
    static std::string ToUtf8(const std::wstring& text);
};
