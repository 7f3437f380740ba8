// Text files in any encoding a teacher's editor saves: UTF-8 with or without a byte order mark,
// else Windows-1250; UTF-16 and every character the test cannot hold refused where it stands.

#include "convert/Messages.h"
#include "storage/Cp1250.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

// An Aiken question around a question text.
std::string Aiken(const std::string& question) {
    return question + "\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n";
}

QuestionRecord Record(const std::string& question) {
    return MakeRecord(0, {question, "a", "b", "c", "d"});
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

const char kCzech[] = "P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2"; // Windows-1250

TEST(TextInput, ReadsUtf8WithOrWithoutMarkElseWindows1250) {
    ExpectReads(
        kAikenFormat,
        {
            {"UTF-8", Aiken(u8"Příliš žluťoučký kůň"), {Record(kCzech)}},
            {"UTF-8 with a byte order mark",
             "\xEF\xBB\xBF" + Aiken(u8"Příliš žluťoučký kůň"),
             {Record(kCzech)}},
            {"Windows-1250", Aiken(kCzech), {Record(kCzech)}},
            // The first line reads as UTF-8 (with a character the test cannot hold); the third is not.
            {"Windows-1250 that begins like UTF-8",
             u8"Qф\nA) a\nB) \xE8\nC) c\nD) d\nANSWER: A\n",
             {MakeRecord(0, {"Q\xD1\x84", "a", "\xE8", "c", "d"})}},
            {"the code page's punctuation", Aiken(u8"€ „x“ ™"), {Record("\x80 \x84x\x93 \x99")}},
            // The fast path leaves three-byte characters to the general path and takes over again.
            {"three-byte characters among two-byte ones",
             Aiken(u8"ř€ř„ž“"),
             {Record("\xf8\x80\xf8\x84\x9e\x93")}},
            // The byte that is not UTF-8 comes late, after a long run the fast path took.
            {"Windows-1250 after a long ASCII run",
             Aiken(std::string(200, 'x') + "\xE8"),
             {Record(std::string(200, 'x') + "\xE8")}},
        });
}

// Every character UTF-8 writes in two bytes, between two others: the code page's byte where it has
// one (found from the code page's own direction, byte to character), else refused where it stands.
TEST(TextInput, ReadsEveryTwoByteCharacterAsTheCodePageHasIt) {
    std::map<char32_t, char> bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        if (Cp1250::ToUnicode(static_cast<uint8_t>(byte)) >= 0xA0)
            bytes[Cp1250::ToUnicode(static_cast<uint8_t>(byte))] = static_cast<char>(byte);
    std::vector<std::string> names;
    names.reserve(0x800);
    std::vector<GoodInput> held;
    std::vector<BadInput> refused;
    for (char32_t character = 0x80; character < 0x800; ++character) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(character));
        names.push_back(hex);
        const std::string utf8 = {static_cast<char>(0xC0 | character >> 6),
                                  static_cast<char>(0x80 | (character & 0x3F))};
        const std::string input = Aiken(u8"Qř" + utf8 + "x");
        const auto byte = bytes.find(character);
        if (byte != bytes.end())
            held.push_back(
                {names.back().c_str(), input, {Record(std::string("Q\xf8") + byte->second + "x")}});
        else
            refused.push_back({names.back().c_str(), input, 1, 3, hex});
    }
    // The upper half but the five C1 controls and the 17 characters UTF-8 writes in three bytes.
    EXPECT_EQ(106u, held.size());
    ExpectReads(kAikenFormat, held);
    ExpectRefuses(kAikenFormat, refused);
}

TEST(TextInput, RefusesWhatTheTestCannotHoldWhereItStands) {
    const std::string options = "A) a\nB) b\nC) c\nD) d\nANSWER: A\n";
    ExpectRefuses(
        kAikenFormat,
        {
            {"UTF-16 LE", std::string("\xFF\xFEQ\0?\0", 6), 0, 0, Messages::Utf16()},
            {"UTF-16 BE", std::string("\xFE\xFF\0Q\0?", 6), 0, 0, Messages::Utf16()},
            {"Cyrillic, after two-byte characters", u8"Q\nA) ať ф\n", 2, 7, "U+0444"},
            // Among two-byte characters, the fast path's.
            {"Cyrillic among two-byte characters", Aiken(Repeat(u8"ř", 150) + u8"ф" + Repeat(u8"ř", 100)), 1,
             151, "U+0444"},
            {"beyond the basic plane", Aiken(u8"Q \U0001F600"), 1, 3, "U+1F600"},
            {"byte order mark, then Windows-1250", "\xEF\xBB\xBFQ \xF8", 1, 3, Messages::InvalidUtf8()},
            {"stray continuation byte among ASCII",
             "\xEF\xBB\xBF" + Aiken(std::string(100, 'x') + "\xA9" + std::string(100, 'x')), 1, 101,
             Messages::InvalidUtf8()},
            {"CR inside a sequence", "\xEF\xBB\xBFQ\xC5\r\n" + options, 1, 2, Messages::InvalidUtf8()},
            {"lead byte before a letter", "\xEF\xBB\xBF" + Aiken(u8"Qř\xC5ř"), 1, 3, Messages::InvalidUtf8()},
            {"overlong form of a letter", "\xEF\xBB\xBF" + Aiken("Q\xC1\xA1"), 1, 2, Messages::InvalidUtf8()},
            {"sequence cut short at the end", "\xEF\xBB\xBF" + Aiken("Q") + "\xC5", 7, 1,
             Messages::InvalidUtf8()},
            {"C1 control in UTF-8", Aiken(u8"Q\u0085"), 1, 2, "U+0085"},
            {"byte Windows-1250 leaves undefined", Aiken("Q\x81 \xE8"), 1, 2, "U+0081"},
            {"NUL", Aiken(std::string("Q\0x", 3)), 1, 2, "U+0000"},
            {"DEL", Aiken("Q\x7F"), 1, 2, "U+007F"},
            {"CR without LF", "Q?\nA) a\rb\n" + options, 2, 5, "U+000D"},
        });
    ExpectRefuses(kCsvFormat, {
                                  {"Cyrillic in a cell", u8"q;ф;b;c;d;A\n", 1, 3, "U+0444"},
                                  {"tab after 200 two-byte characters",
                                   "q;" + Repeat(u8"ž", 200) + "\tx;b;c;d;A\n", 1, 203, "U+0009"},
                              });
}

} // namespace
