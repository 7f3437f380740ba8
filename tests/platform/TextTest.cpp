#include "platform/Exception.h"
#include "platform/String.h"
#include "platform/Text.h"
#include "platform/Wnd.h"

#include <gtest/gtest.h>

namespace {
// Narrow literals are Windows-1250 bytes; the wide ones are what the window system must show.
const char kCzech[] = "Příliš žluťoučký kůň úpěl ďábelské ódy ĚŠČŘŽÝÁÍÉŮÚ";
const wchar_t kCzechWide[] = L"Příliš žluťoučký kůň úpěl ďábelské ódy ĚŠČŘŽÝÁÍÉŮÚ";

TEST(Text, CzechLettersAreWindows1250Bytes) {
    // ř is 0xF8 and ů is 0xF9 in Windows-1250, whatever the system's ANSI code page.
    EXPECT_EQ('\xF8', CString("ř").GetString()[0]);
    EXPECT_EQ('\xF9', CString("ů").GetString()[0]);
    EXPECT_EQ(std::wstring(kCzechWide), ToWide(kCzech));
    EXPECT_STREQ(kCzech, FromWide(kCzechWide));
}

// The first character the code page lacks stops the conversion, whatever comes before or after
// it: never a '?' in its place, nor a look-alike letter (à is no a).
TEST(Text, CharactersOutsideTheCodePageAreRefusedByCodePoint) {
    const struct {
        const wchar_t* text;
        char32_t refused;
    } cases[] = {
        {L"Ελλάδα 日本 x", 0x395},
        {L"à", 0xE0},
        {L"řeka \U0001F600", 0x1F600}, // an emoji is one character, not two halves
        {L"x\xD800y", 0xD800},          // a surrogate without its pair
    };
    for (const auto& c : cases) {
        try {
            FromWide(c.text);
            ADD_FAILURE() << "converted: " << static_cast<unsigned>(c.refused);
        } catch (const CTextException& e) {
            EXPECT_EQ(c.refused, e.Character());
        }
    }
    EXPECT_EQ(std::wstring(L"Text obsahuje znak U+03C0, který kódování Windows-1250 neobsahuje. "
                           L"Operace byla ukončena."),
              CTextException(0x3C0).GetErrorMessage());
    EXPECT_STREQ("", FromWide(L""));
    EXPECT_EQ(std::wstring(), ToWide(""));
}

TEST(Text, CzechRoundTripsThroughARealWindow) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    window.SetWindowTextA(kCzech);

    wchar_t shown[128] = {};
    GetWindowTextW(window.m_hWnd, shown, 128);
    EXPECT_STREQ(kCzechWide, shown);
    EXPECT_STREQ(kCzech, window.GetWindowTextA());

    const wchar_t* mixed = L"Zkouška 日";
    SetWindowTextW(window.m_hWnd, mixed);
    EXPECT_FALSE(FitsProgramCodePage(mixed));
    EXPECT_THROW(window.GetWindowTextA(), CTextException);
}

// Outside text keeps every character where it is read wide: a window's text, and UTF-8 (the form
// of the messages that name characters outside Windows-1250).
TEST(Text, WideTextKeepsEveryCharacter) {
    const std::wstring mixed = L"Zkouška π \U0001F600";
    const std::string utf8 = u8"Zkouška π \U0001F600";
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    SetWindowTextW(window.m_hWnd, mixed.c_str());
    EXPECT_TRUE(window.GetWindowTextW() == mixed);
    EXPECT_TRUE(WideFromUtf8(utf8) == mixed);
    EXPECT_TRUE(WideFromUtf8("").empty());
}
} // namespace
