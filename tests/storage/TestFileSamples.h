#pragma once
// Test files built byte by byte, shared by the codec's portable tests and the tests that go
// through real files under Wine.

#include "storage/QuestionArray.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void PutInt(Bytes& out, int32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
}

inline void PutText(Bytes& out, const std::string& text) { // length and bytes, NUL included
    PutInt(out, static_cast<int32_t>(text.size() + 1));
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

inline QuestionRecord MakeRecord(int32_t correct, const std::vector<std::string>& texts) {
    QuestionRecord record;
    std::memset(&record, 0x5A, sizeof record); // bytes past each NUL are not the codec's business
    for (int f = 0; f < kTextFieldCount; ++f)
        std::memcpy(record.text[f], texts[f].c_str(), texts[f].size() + 1);
    record.correct = correct;
    return record;
}

// One question: "2+2?", the answers 3, 4, 5 and 22, the second one correct.
inline const Bytes kWorkedExample = {
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x32, 0x2B,
    0x32, 0x3F, 0x00, 0x02, 0x00, 0x00, 0x00, 0x33, 0x00, 0x02, 0x00, 0x00, 0x00, 0x34,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x35, 0x00, 0x03, 0x00, 0x00, 0x00, 0x32, 0x32, 0x00,
};
inline const QuestionRecord kWorkedRecord = MakeRecord(1, {"2+2?", "3", "4", "5", "22"});

// Same count, correct indexes and texts (up to each NUL; the rest of a field is not stored).
inline ::testing::AssertionResult SameQuestions(const QuestionRecord* expected, int32_t count,
                                                const QuestionArray& actual) {
    if (actual.Count() != count)
        return ::testing::AssertionFailure() << "count " << actual.Count() << ", expected " << count;
    for (int32_t i = 0; i < count; ++i) {
        if (actual[i].correct != expected[i].correct)
            return ::testing::AssertionFailure() << "record " << i << ": correct " << actual[i].correct;
        for (int f = 0; f < kTextFieldCount; ++f)
            if (std::strcmp(actual[i].text[f], expected[i].text[f]) != 0)
                return ::testing::AssertionFailure() << "record " << i << ", field " << f << " differs";
    }
    return ::testing::AssertionSuccess();
}
