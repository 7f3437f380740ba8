#pragma once
// Reading UTF-8 where the converter must know each character: a text file's line, a name that
// goes into the package's manifest.

#include <cstdint>

// One character of two to four bytes at p, advancing p past it; false where the bytes are no such
// character (a bad lead or continuation byte, a sequence cut short, an overlong form, a surrogate).
// An ASCII byte is the caller's to take.
inline bool DecodeUtf8(const uint8_t*& p, const uint8_t* end, char32_t& character) {
    static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    const uint8_t lead = *p;
    const int more = lead >= 0xC2 && lead <= 0xDF   ? 1
                     : lead >= 0xE0 && lead <= 0xEF ? 2
                     : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                    : 0;
    if (more == 0 || end - p <= more)
        return false;
    character = lead & (0x3F >> more);
    for (int i = 1; i <= more; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return false;
        character = (character << 6) | (p[i] & 0x3F);
    }
    if (character < kLeast[more] || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF)
        return false;
    p += more + 1;
    return true;
}
