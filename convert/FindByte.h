#pragma once
// memchr a word at a time. The Windows runtime's goes byte by byte, and the converter looks for
// line ends, quotes, tabs and NULs through every text of a file.

#include <cstddef>
#include <cstdint>
#include <cstring>

// The first byte in [p, end) equal to byte, or end.
inline const uint8_t* FindByte(const uint8_t* p, const uint8_t* end, uint8_t byte) {
    constexpr size_t kOnes = ~size_t(0) / 0xFF; // 0x01 in every byte
    const size_t pattern = kOnes * byte;
    for (; end - p >= static_cast<ptrdiff_t>(sizeof(size_t)); p += sizeof(size_t)) {
        size_t word;
        std::memcpy(&word, p, sizeof word);
        word ^= pattern;
        if ((word - kOnes) & ~word & (kOnes * 0x80)) // some byte of the word is the one sought
            break;
    }
    while (p != end && *p != byte)
        ++p;
    return p;
}

inline const char* FindByte(const char* p, const char* end, char byte) {
    const uint8_t* begin = reinterpret_cast<const uint8_t*>(p);
    const uint8_t* found = FindByte(begin, reinterpret_cast<const uint8_t*>(end), static_cast<uint8_t>(byte));
    return p + (found - begin);
}
