// Which characters of a text Windows-1250 cannot hold, and the message that names them. The
// messages are UTF-8 (u8 literals), the same bytes in the Windows build and the native one.

#include "storage/Cp1250.h"
#include "storage/Cp1250Check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Misfit = Cp1250Check::Misfit;

::testing::AssertionResult SameMisfits(const std::vector<Misfit>& expected,
                                       const std::vector<Misfit>& actual) {
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure()
               << actual.size() << " characters found, expected " << expected.size();
    for (size_t i = 0; i < expected.size(); ++i) {
        const Misfit& e = expected[i];
        const Misfit& a = actual[i];
        if (e.index != a.index || e.length != a.length || e.character != a.character)
            return ::testing::AssertionFailure()
                   << "character " << i << ": at " << a.index << ", " << a.length << " units, U+" << std::hex
                   << unsigned(a.character);
    }
    return ::testing::AssertionSuccess();
}

TEST(Cp1250Check, FindsEveryCharacterTheCodePageCannotHoldAndWhereItStands) {
    const struct {
        const char* name;
        std::u16string text;
        std::vector<Misfit> expected;
    } cases[] = {
        {"empty", u"", {}},
        {"Czech and the code page's punctuation", u"Příliš žluťoučký kůň „úpěl“ – … € § × ° ™", {}},
        {"pi in a question", u"Kolik je π na dvě desetinná místa?", {{9, 1, 0x03C0}}},
        {"French, Spanish, Cyrillic", u"è à ñ ф", {{0, 1, 0xE8}, {2, 1, 0xE0}, {4, 1, 0xF1}, {6, 1, 0x444}}},
        {"a word processor's minus, narrow space and hyphen",
         u"5\u2212x\u202Fa\u2011b",
         {{1, 1, 0x2212}, {3, 1, 0x202F}, {5, 1, 0x2011}}},
        {"an emoji is one character", u"a😀b😀", {{1, 2, 0x1F600}, {4, 2, 0x1F600}}},
        {"surrogates without their pair",
         u"x\xD83D"
         u"y\xDE00",
         {{1, 1, 0xD83D}, {3, 1, 0xDE00}}},
        {"a lead surrogate at the end", u"ab\xD83D", {{2, 1, 0xD83D}}},
        {"a trail before its lead", u"\xDE00\xD83D", {{0, 1, 0xDE00}, {1, 1, 0xD83D}}},
        {"beyond the table's highest character", u"\u2122\u2123", {{1, 1, 0x2123}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(SameMisfits(c.expected, Cp1250Check::Find(c.text)));
    }
}

TEST(Cp1250Check, EveryCharacterOfTheCodePageFits) {
    std::u16string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char16_t>(Cp1250::ToUnicode(static_cast<uint8_t>(byte)));
    EXPECT_TRUE(Cp1250Check::Find(all).empty());
}

// (The characters stay out of the assertions: gtest stringifies them into Windows-1250 literals.)
const char32_t kPi = 0x03C0, kAlpha = 0x03B1, kEf = 0x0444, kEmoji = 0x1F600, kAtMost = 0x2264;

TEST(Cp1250Check, NamesOneCharacterWithItsCodePoint) {
    const std::string pi = u8"Znak „π“ (U+03C0) nelze do testu uložit, protože jej kódování Windows-1250 "
                           u8"neobsahuje. Nahraďte jej prosím jiným znakem.";
    const std::string emoji = u8"Znak „😀“ (U+1F600) nelze do testu uložit, protože jej kódování "
                              u8"Windows-1250 neobsahuje. Nahraďte jej prosím jiným znakem.";
    // UTF-8 cannot carry a surrogate without its pair: the replacement mark stands in for it.
    const std::string lone = u8"Znak „\uFFFD“ (U+D83D) nelze";
    EXPECT_EQ(pi, Cp1250Check::Message(kPi));
    EXPECT_EQ(pi, Cp1250Check::Message({kPi, kPi})) << "a character that comes again is named once";
    EXPECT_EQ(emoji, Cp1250Check::Message(kEmoji));
    EXPECT_EQ(0u, Cp1250Check::Message(0xD83D).find(lone));
}

TEST(Cp1250Check, NamesSeveralCharactersInOneMessage) {
    const std::string two = u8"Znaky „π“ (U+03C0) a „α“ (U+03B1) nelze do testu uložit, protože je kódování "
                            u8"Windows-1250 neobsahuje. Nahraďte je prosím jinými znaky.";
    const std::string three =
        u8"Znaky „ф“ (U+0444), „😀“ (U+1F600) a „≤“ (U+2264) nelze do testu uložit, "
        u8"protože je kódování Windows-1250 neobsahuje. Nahraďte je prosím jinými znaky.";
    EXPECT_EQ(two, Cp1250Check::Message({kPi, kAlpha, kPi}));
    EXPECT_EQ(three, Cp1250Check::Message({kEf, kEmoji, kAtMost}));
    EXPECT_EQ(std::string(), Cp1250Check::Message(std::vector<char32_t>{}));
}
} // namespace
