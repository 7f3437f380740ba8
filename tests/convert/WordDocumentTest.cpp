// The test on paper: each group's order, the rate as the results window writes it, the rows of the
// grading table, and a document past what a ZIP without ZIP64 holds. What the document says, and
// how Word's and LibreOffice's readers take it, document_test.py reads with readers of its own.

#include "convert/GroupOrder.h"
#include "convert/Messages.h"
#include "convert/formats/WordDocument.h"
#include "run/Scoring.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

// Counts what a writer writes and keeps none of it.
class CountingSink : public ByteSink {
public:
    void Write(const uint8_t*, size_t size) override { bytes += size; }

    uint64_t bytes = 0;
};

TEST(WordDocument, EveryGroupAsksEveryQuestionAndNoTwoAtOneNumber) {
    const struct {
        int32_t count;
        int groups;
    } cases[] = {{1, 1}, {1, 2}, {2, 2}, {3, 3}, {5, 6}, {6, 6}, {7, 6}, {10, 2}, {40, 4}, {50000, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " questions, " + std::to_string(c.groups) + " groups");
        const auto orders = GroupOrder::Make(u8"Zeměpis", c.count, c.groups);
        ASSERT_EQ(static_cast<size_t>(c.groups), orders.size());
        std::vector<int32_t> typed(static_cast<size_t>(c.count));
        std::iota(typed.begin(), typed.end(), 0);
        EXPECT_EQ(typed, orders[0]);
        for (const std::vector<int32_t>& order : orders) {
            std::vector<int32_t> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(typed, sorted); // every question once
        }
        if (c.count < c.groups)
            continue;
        for (int32_t number = 0; number < c.count; ++number) {
            std::vector<int32_t> asked;
            for (const std::vector<int32_t>& order : orders)
                asked.push_back(order[number]);
            std::sort(asked.begin(), asked.end());
            ASSERT_EQ(asked.end(), std::adjacent_find(asked.begin(), asked.end())) << "number " << number + 1;
        }
    }
    // The name and the count alone decide: the same again, another for another name.
    EXPECT_EQ(GroupOrder::Make("Test", 30, 3), GroupOrder::Make("Test", 30, 3));
    EXPECT_NE(GroupOrder::Make("Test", 30, 3)[1], GroupOrder::Make("Test 2", 30, 3)[1]);
    EXPECT_NE(GroupOrder::Make("Test", 30, 3)[1], GroupOrder::Make("Test", 30, 3)[2]);
}

// Worked out by hand from each double's exact value: a tie rounds up, the C library's printf would
// write 3.12 for the first rows.
TEST(WordDocument, RatesAreWrittenAsTheResultsWindowRoundsThem) {
    const struct {
        int right, count;
        const char* digits;
    } cases[] = {
        {1, 32, "3.13"},    {5, 160, "3.13"}, {3, 32, "9.38"},  {7, 32, "21.88"},    {1, 64, "1.56"},
        {23, 160, "14.37"}, {2, 3, "66.67"},  {1, 3, "33.33"},  {1, 7, "14.29"},     {1, 16, "6.25"},
        {0, 5, "0.00"},     {7, 7, "100.00"}, {1, 200, "0.50"}, {199, 200, "99.50"}, {17, 20, "85.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.digits, Scoring::RateDigits(Scoring::Rate(c.right, c.count)))
            << c.right << " of " << c.count;
}

TEST(WordDocument, TheGradingTableShowsEveryCountUpTo100AndAboveOnlyWhereTheVerdictChanges) {
    EXPECT_EQ(std::vector<int32_t>({3, 2, 1, 0}), WordDocument::GradingRows(3));
    EXPECT_EQ(101u, WordDocument::GradingRows(100).size());
    // 101 questions: 80 % takes 81 right (80.20 %), 60 % 61, 50 % 51, 40 % 41, 20 % 21.
    EXPECT_EQ(std::vector<int32_t>({101, 81, 61, 51, 41, 21, 0}), WordDocument::GradingRows(101));
    EXPECT_EQ(std::vector<int32_t>({160, 128, 96, 80, 64, 32, 0}), WordDocument::GradingRows(160));
}

// Six groups of the largest test pass 4 GiB: refused, not written as a ZIP whose sizes wrapped.
TEST(WordDocument, ADocumentPastWhatAZipHoldsIsRefused) {
    QuestionArray largest = QuestionArray::Allocate(kMaxQuestionCount);
    for (int32_t i = 0; i < largest.Count(); ++i) {
        for (char* text : largest[i].text) {
            std::memset(text, '&', kTextFieldSize - 1); // five bytes each in XML
            text[kTextFieldSize - 1] = '\0';
        }
        largest[i].correct = 0;
    }
    CountingSink sink;
    try {
        kWordDocumentFormat.write(largest, WriteOptions{"Velký", 6}, sink);
        FAIL() << "written";
    } catch (const WriteRefusal& refusal) {
        EXPECT_EQ(Messages::DocumentTooLarge(6), refusal.what());
    }
    EXPECT_LE(sink.bytes, UINT32_MAX);
}

} // namespace
