#pragma once
// Windows-1250, the code page of the test file's texts, against Unicode. One table serves the
// Windows build and the native one alike, so no conversion depends on a system's code pages.

#include <cstdint>

class Cp1250 {
public:
    // The character a byte stands for. The five bytes Windows-1250 leaves undefined stand for the
    // C1 control characters of the same number, as Windows maps them.
    static char32_t ToUnicode(uint8_t byte);

    // The byte for a character, or -1 where Windows-1250 has none.
    static int FromUnicode(char32_t character);

    // C0 controls, DEL and the five undefined bytes: nothing a text of a test may hold.
    static bool IsControl(uint8_t byte);

    // A letter of the English alphabet or one of the code page's accented letters.
    static bool IsLetter(uint8_t byte);
};
