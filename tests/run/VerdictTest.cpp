#include "run/Verdict.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>

namespace {
const char kTerrible[] = "Hrůza.....!";
const char kPoor[] = "Je to bída.....!";
const char kAverage[] = "Průměrný výsledek.....";
const char kGood[] = "Docela dobré.....";
const char kExcellent[] = "Výborně.....";
const char kPerfect[] = "Absolutní úspěšnost!!!";

// Right answers of a count, as the results window receives them.
TEST(Verdict, RateTextColourAndVerdictForFinishedQuizzes) {
    struct Case {
        int correct, count;
        const char* text;
        COLORREF colour;
        const char* verdict;
    } cases[] = {
        {3, 3, "Úspěšnost: 100.00 %", kPassColour, kPerfect},
        {100, 100, "Úspěšnost: 100.00 %", kPassColour, kPerfect},
        {99, 100, "Úspěšnost: 99.00 %", kPassColour, kExcellent},
        {4, 5, "Úspěšnost: 80.00 %", kPassColour, kExcellent},
        {3, 5, "Úspěšnost: 60.00 %", kPassColour, kGood},
        {2, 3, "Úspěšnost: 66.67 %", kPassColour, kGood},
        {1, 2, "Úspěšnost: 50.00 %", kPassColour, kAverage},
        {2, 5, "Úspěšnost: 40.00 %", kFailColour, kAverage},
        {1, 3, "Úspěšnost: 33.33 %", kFailColour, kPoor},
        {1, 5, "Úspěšnost: 20.00 %", kFailColour, kPoor},
        {1, 8, "Úspěšnost: 12.50 %", kFailColour, kTerrible},
        {0, 1, "Úspěšnost: 0.00 %", kFailColour, kTerrible},
        {0, 7, "Úspěšnost: 0.00 %", kFailColour, kTerrible},
        // Just below 80: the text rounds up to 80.00, the band stays below.
        {19999, 25000, "Úspěšnost: 80.00 %", kPassColour, kGood},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.correct << " of " << c.count);
        const double percent = SuccessRate(c.correct, c.count);
        EXPECT_STREQ(c.text, RateText(percent));
        EXPECT_EQ(c.colour, RateColour(percent));
        EXPECT_STREQ(c.verdict, Verdict(percent));
    }
}

// Every bound belongs to the higher band; the value just below it to the lower one.
TEST(Verdict, EveryBoundOfEveryBand) {
    struct Case {
        double bound;
        const char* below;
        const char* at;
    } cases[] = {
        {20.0, kTerrible, kPoor},  {40.0, kPoor, kAverage},       {60.0, kAverage, kGood},
        {80.0, kGood, kExcellent}, {100.0, kExcellent, kPerfect},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bound);
        EXPECT_STREQ(c.below, Verdict(std::nextafter(c.bound, 0.0)));
        EXPECT_STREQ(c.at, Verdict(c.bound));
    }
    EXPECT_STREQ(kTerrible, Verdict(0.0));
    EXPECT_EQ(kFailColour, RateColour(std::nextafter(50.0, 0.0)));
    EXPECT_EQ(kPassColour, RateColour(50.0));
    EXPECT_EQ(kPassColour, RateColour(100.0));
}

// The division comes first, so a quiz answered all right reaches the top band for any count.
TEST(Verdict, AllRightIsExactlyAHundredForEveryCount) {
    for (int count = 1; count <= 2000; ++count) {
        ASSERT_EQ(100.0, SuccessRate(count, count)) << count;
        // One wrong answer never does, however many questions there are.
        ASSERT_STRNE(kPerfect, Verdict(SuccessRate(count - 1, count))) << count - 1 << " of " << count;
    }
}

// Rates as the runtime the program links prints them, worked out by hand: an exact tie rounds up.
TEST(Verdict, TheRateRoundsAsTheRuntimeDoes) {
    const struct {
        int correct, count;
        const char* text;
    } cases[] = {
        {1, 32, "Úspěšnost: 3.13 %"},    // exactly 3.125
        {5, 32, "Úspěšnost: 15.63 %"},   // exactly 15.625
        {23, 160, "Úspěšnost: 14.37 %"}, // the double below 14.375
        {2, 3, "Úspěšnost: 66.67 %"},    {1, 8, "Úspěšnost: 12.50 %"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, RateText(SuccessRate(c.correct, c.count))) << c.correct << " of " << c.count;
}

// The converter writes rates on paper without the runtime's printf, which glibc rounds otherwise:
// its digits must be the results window's for every quiz of up to 200 questions.
TEST(Verdict, ThePortableRateDigitsAreTheResultsWindowsOwn) {
    for (int count = 1; count <= 200; ++count) {
        for (int right = 0; right <= count; ++right) {
            const double percent = SuccessRate(right, count);
            const CString portable = "Úspěšnost: " + CString(Scoring::RateDigits(percent).c_str()) + " %";
            ASSERT_STREQ(RateText(percent), portable) << right << " of " << count;
        }
    }
}

TEST(Verdict, ACountBelowOneHasNoRate) {
    EXPECT_EQ(0.0, SuccessRate(0, 0));
    EXPECT_EQ(0.0, SuccessRate(3, -2));
    EXPECT_STREQ("Úspěšnost: 0.00 %", RateText(SuccessRate(0, 0)));
}

// A Czech locale would print 66,67; the rate keeps its full stop.
TEST(Verdict, TheRateHasAFullStopInACzechLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "Czech") == nullptr)
        GTEST_SKIP() << "no Czech locale in this runtime";
    char plain[16];
    std::snprintf(plain, sizeof plain, "%0.2f", 2.0 / 3.0 * 100.0);
    const CString text = RateText(SuccessRate(2, 3));
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_STREQ("66,67", plain) << "the locale did not take effect";
    EXPECT_STREQ("Úspěšnost: 66.67 %", text);
}
} // namespace
