// The one Windows-1250 table both builds use, against code points worked out by hand.

#include "storage/Cp1250.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(Cp1250, MapsCzechLettersAndPunctuationBothWays) {
    const struct {
        uint8_t byte;
        char32_t character;
    } pairs[] = {
        {0x41, U'A'},   {0xE1, 0x00E1}, {0xE8, 0x010D}, {0xEF, 0x010F}, {0xEC, 0x011B}, {0xF2, 0x0148},
        {0xF8, 0x0159}, {0x9A, 0x0161}, {0x9D, 0x0165}, {0xF9, 0x016F}, {0x9E, 0x017E}, {0x8A, 0x0160},
        {0xD8, 0x0158}, {0xC8, 0x010C}, {0xD9, 0x016E}, {0x80, 0x20AC}, {0x84, 0x201E}, {0x93, 0x201C},
        {0x99, 0x2122}, {0xA0, 0x00A0}, {0xA1, 0x02C7}, {0xFF, 0x02D9},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(pair.character, Cp1250::ToUnicode(pair.byte)) << std::hex << int(pair.byte);
        EXPECT_EQ(pair.byte, Cp1250::FromUnicode(pair.character)) << std::hex << int(pair.byte);
    }
}

TEST(Cp1250, EveryByteComesBackAndOtherCharactersHaveNone) {
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(byte, Cp1250::FromUnicode(Cp1250::ToUnicode(static_cast<uint8_t>(byte)))) << byte;
    for (char32_t missing : {0x00C0, 0x00E0, 0x0152, 0x0444, 0x2123, 0x1F600})
        EXPECT_EQ(-1, Cp1250::FromUnicode(missing)) << std::hex << missing;
}

TEST(Cp1250, TellsControlsAndLetters) {
    for (uint8_t byte : {0x00, 0x09, 0x1F, 0x7F, 0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_TRUE(Cp1250::IsControl(byte)) << int(byte);
    for (uint8_t byte : {0x20, 0x80, 0x82, 0xA0})
        EXPECT_FALSE(Cp1250::IsControl(byte)) << int(byte);
    for (uint8_t byte : {0x61, 0x5A, 0xE8, 0x8A, 0x9F, 0xDF})
        EXPECT_TRUE(Cp1250::IsLetter(byte)) << int(byte);
    for (uint8_t byte : {0x31, 0x20, 0x80, 0xA0, 0xD7, 0xF7, 0xFF})
        EXPECT_FALSE(Cp1250::IsLetter(byte)) << int(byte);
}

#ifdef _WIN32
// The system's own code page 1250 is the reference the table must match: every byte, and every
// character of the Basic Multilingual Plane, both ways, with no best-fit look-alikes.
TEST(Cp1250, MatchesTheSystemsCodePageForEveryByteAndCharacter) {
    for (int byte = 0; byte < 256; ++byte) {
        const char narrow = static_cast<char>(byte);
        wchar_t wide = 0;
        ASSERT_EQ(1, MultiByteToWideChar(1250, 0, &narrow, 1, &wide, 1)) << byte;
        EXPECT_EQ(static_cast<char32_t>(wide), Cp1250::ToUnicode(static_cast<uint8_t>(byte))) << byte;
    }
    for (char32_t character = 1; character < 0x10000; ++character) {
        if (character >= 0xD800 && character <= 0xDFFF)
            continue;
        const wchar_t wide = static_cast<wchar_t>(character);
        char narrow = 0;
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, &wide, 1, &narrow, 1, nullptr, &usedDefault);
        const int expected = usedDefault ? -1 : static_cast<uint8_t>(narrow);
        EXPECT_EQ(expected, Cp1250::FromUnicode(character)) << std::hex << character;
    }
}
#endif

} // namespace
