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

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // (Kept out of the assertions: their text is stringified into Windows-1250 literals.)
    const wchar_t* foreign = L"Ελλάδα 日本 x";
    const wchar_t* graveA = L"à";
    EXPECT_STREQ("?????? ?? x", FromWide(foreign));
    // No best fit: à is not in Windows-1250 and must not turn into a plain a.
    EXPECT_STREQ("?", FromWide(graveA));
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
    EXPECT_STREQ("Zkouška ?", window.GetWindowTextA());
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
