// Which test names can become test files: the names Windows refuses or reads as something other
// than a file in the test folder, and the path length.

#include "storage/TestName.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(TestName, RefusesWhatWindowsCannotHoldAsAFileInTheTestFolder) {
    const char* const refused[] = {
        "",        "a\\b",     "..\\x",   "a/b",     "C:x",       "a*",   "kdo?",   "\"uvozovky\"",
        "<a>",     "a|b",      "tab\tu",  "\x01",    "konec\x1f", "CON",  "con",    "Nul",
        "NUL.txt", "PRN",      "AUX.a.b", "COM1",    "com9.test", "LPT1", "lpt5.x", "COM0",
        "CON ",    "NUL .txt", "CONIN$",  "conout$",
    };
    for (const char* name : refused)
        EXPECT_FALSE(IsUsableTestName(name)) << "\"" << name << "\"";
}

TEST(TestName, AcceptsOrdinaryNamesSpacesCzechLettersAndNearDeviceNames) {
    const char* const accepted[] = {
        "Nový test",
        "   ",
        " a ",
        "a.b",
        "Zkouška ěščřžýáíé ďťňůú ĚŠČŘŽÝÁÍÉ",
        "COM10",
        "LPT",
        "CONSOLE",
        "NULA",
        "AUXX",
        "xCON",
        ".skrytý",
        "a;b,c=d+e[f]{g}'h`~!@#$%^&()",
        "ČON",
        "1",
        // A name may end in full stops: its file still ends in ".tst" ("Kap. 3..tst").
        "Kap. 3.",
        "a.",
        "Zkouška..",
        ".",
        "..",
    };
    for (const char* name : accepted)
        EXPECT_TRUE(IsUsableTestName(name)) << "\"" << name << "\"";
}

// "<name>.tst" must be a file name of at most 255 characters; the whole path, exe folder +
// "\Kvizar\" + name + ".tst", may pass MAX_PATH.
TEST(TestName, TheFileNameMustFitButThePathMayPassMaxPath) {
    const size_t fillsMaxPath = MAX_PATH - 1 - BesideExe(L"Kvizar\\").size() - 4;
    ASSERT_LT(fillsMaxPath + 1, 251u);
    EXPECT_TRUE(IsUsableTestName(std::string(fillsMaxPath + 1, 'n').c_str()));
    EXPECT_TRUE(IsUsableTestName(std::string(251, 'n').c_str()));
    EXPECT_FALSE(IsUsableTestName(std::string(252, 'n').c_str()));
}
} // namespace
