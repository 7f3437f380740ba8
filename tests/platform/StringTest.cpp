#include "platform/String.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

namespace {
CString Formatted(const char* format, ...) {
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return text;
}

void ExpectProgramFormats() {
    EXPECT_STREQ("Celkem: 12", Formatted("Celkem: %d", 12));
    EXPECT_STREQ("Zbývá: -1", Formatted("Zbývá: %d", -1));
    EXPECT_STREQ("C:\\x\\Kvizar\\Nový test.tst", Formatted("%s\\%s.tst", "C:\\x\\Kvizar", "Nový test"));
    EXPECT_STREQ("Úspěšnost: 66.67 %", Formatted("Úspěšnost: %0.2f %%", 200.0 / 3.0));
    EXPECT_STREQ("Úspěšnost: 12.50 %", Formatted("Úspěšnost: %0.2f %%", 12.5));
    EXPECT_STREQ("Úspěšnost: 100.00 %", Formatted("Úspěšnost: %0.2f %%", 100.0));
    EXPECT_STREQ("0.00", Formatted("%0.2f", 0.0));
}

TEST(StringFormat, FormatsNumbersTextAndPercent) {
    ExpectProgramFormats();
}

TEST(StringFormat, KeepsAFullStopUnderADecimalCommaLocale) {
    const char* czech = std::setlocale(LC_ALL, "Czech");
    ASSERT_NE(nullptr, czech) << "no Czech locale in this C runtime";
    const std::string active = czech;
    ASSERT_STREQ(",", std::localeconv()->decimal_point);

    ExpectProgramFormats();
    // The process's own locale is left as it was.
    EXPECT_EQ(active, std::setlocale(LC_ALL, nullptr));
    EXPECT_STREQ(",", std::localeconv()->decimal_point);
    std::setlocale(LC_ALL, "C");
}

TEST(StringFormat, HandlesLongOutput) {
    const std::string long1023(1023, 'x');
    EXPECT_EQ(1023 + 2, Formatted("[%s]", long1023.c_str()).GetLength());
}

TEST(String, ConcatenatesAndCuts) {
    CString path = CString("C:\\Hry\\kvizar.exe");
    const int slash = path.ReverseFind('\\');
    EXPECT_EQ(6, slash);
    EXPECT_STREQ("C:\\Hry", path.Left(slash));
    EXPECT_STREQ("kvizar.exe", path.Mid(slash + 1));
    EXPECT_EQ(-1, CString("bez lomítka").ReverseFind('\\'));
    EXPECT_STREQ("Kvizar 2004 - Zkouška", "Kvizar 2004 - " + CString("Zkouška"));
    CString name("abc.tst");
    EXPECT_STREQ("abc", name.Left(name.GetLength() - 4));
}
} // namespace
