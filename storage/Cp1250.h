#pragma once
// Windows-1250, the code page of the test file's texts, against Unicode. One table serves the
// Windows build and the native one alike, so no conversion depends on a system's code pages. The
// lookups are inline: the decoder and the writers make one per character of a file.

#include <cstdint>
#include <string>
#include <string_view>

class Cp1250 {
public:
    // The character a byte stands for. The five bytes Windows-1250 leaves undefined stand for the
    // C1 control characters of the same number, as Windows maps them.
    static char32_t ToUnicode(uint8_t byte) { return byte < 0x80 ? byte : kUpperHalf[byte - 0x80]; }

    // The byte for a character, or -1 where Windows-1250 has none.
    static int FromUnicode(char32_t character) {
        if (character < 0x80)
            return static_cast<int>(character);
        if (character > kHighest || kReverse.byte[character] == 0)
            return -1;
        return kReverse.byte[character];
    }

    // C0 controls, DEL and the five undefined bytes: nothing a text of a test may hold.
    static bool IsControl(uint8_t byte) {
        const char32_t c = ToUnicode(byte);
        return c < 0x20 || (c >= 0x7F && c < 0xA0);
    }

    // A byte's character in UTF-8, at out: one to kMostUtf8Bytes bytes (the euro sign takes three).
    // Returns the end of what it wrote.
    static constexpr size_t kMostUtf8Bytes = 3;
    static char* PutUtf8(uint8_t byte, char* out) {
        const char32_t c = ToUnicode(byte);
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<char>(0xC0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *out++ = static_cast<char>(0xE0 | (c >> 12));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        }
        return out;
    }
    // Windows-1250 text in UTF-8.
    static std::string ToUtf8(std::string_view text);

    // A letter of the English alphabet or one of the code page's accented letters.
    static bool IsLetter(uint8_t byte);

private:
    // The upper half, 0x80..0xFF, and the way back, by character up to the highest the code page
    // holds (U+2122); 0 where it has none (U+0000 itself never gets there).
    static constexpr char32_t kHighest = 0x2122;
    struct ReverseTable {
        uint8_t byte[kHighest + 1];
    };
    static const char16_t kUpperHalf[128];
    static const ReverseTable kReverse;
    static constexpr ReverseTable MakeReverseTable();
};
