#pragma once
// Tests as the tests write them: records built from their texts, and test files written out byte
// by byte apart from the program's own encoder, the reference its files are compared with. Plain
// C++ without Win32, so that the codec's tests also build natively for the sanitizers.

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

// The texts are the question and answers 1 to 4, in Windows-1250.
inline QuestionRecord MakeRecord(int32_t correct, const std::vector<std::string>& texts) {
    QuestionRecord record;
    std::memset(&record, 0x5A, sizeof record); // bytes past each NUL are not the codec's business
    for (int f = 0; f < kTextFieldCount; ++f)
        std::memcpy(record.text[f], texts[f].c_str(), texts[f].size() + 1);
    record.correct = correct;
    return record;
}

// One question entry: the correct index, then each text up to its NUL.
inline void PutQuestion(Bytes& out, const QuestionRecord& record) {
    PutInt(out, record.correct);
    for (const char* text : record.text)
        PutText(out, text);
}

// A whole test file: the count, then the entries.
inline Bytes FileOf(const std::vector<QuestionRecord>& records) {
    Bytes out;
    PutInt(out, static_cast<int32_t>(records.size()));
    for (const QuestionRecord& record : records)
        PutQuestion(out, record);
    return out;
}

// The file with a 32-bit value replaced at offset.
inline Bytes Patched(Bytes file, size_t offset, int32_t value) {
    for (size_t i = 0; i < 4; ++i)
        file.at(offset + i) = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return file;
}

inline Bytes WithByte(Bytes file, size_t offset, uint8_t value) {
    file.at(offset) = value;
    return file;
}

// One question: "2+2?", the answers 3, 4, 5 and 22, the second one correct.
inline const Bytes kWorkedExample = {
    0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x32, 0x2B,
    0x32, 0x3F, 0x00, 0x02, 0x00, 0x00, 0x00, 0x33, 0x00, 0x02, 0x00, 0x00, 0x00, 0x34,
    0x00, 0x02, 0x00, 0x00, 0x00, 0x35, 0x00, 0x03, 0x00, 0x00, 0x00, 0x32, 0x32, 0x00,
};
inline const QuestionRecord kWorkedRecord = MakeRecord(1, {"2+2?", "3", "4", "5", "22"});

// A test in memory, as a load hands it out.
inline QuestionArray ArrayOf(const std::vector<QuestionRecord>& records) {
    QuestionArray array = QuestionArray::Allocate(static_cast<int32_t>(records.size()));
    for (int32_t i = 0; i < array.Count(); ++i)
        array[i] = records[static_cast<size_t>(i)];
    return array;
}

// count questions with every text 1023 bytes long, no two alike.
inline QuestionArray FullLengthTest(int32_t count) {
    QuestionArray test = QuestionArray::Allocate(count);
    for (int32_t i = 0; i < test.Count(); ++i) {
        for (int f = 0; f < kTextFieldCount; ++f) {
            char* text = test[i].text[f];
            std::memset(text, 'a' + (i + f) % 26, kTextFieldSize - 1);
            const std::string tag = std::to_string(i) + "/" + std::to_string(f);
            std::memcpy(text, tag.data(), tag.size());
            text[kTextFieldSize - 1] = '\0';
        }
        test[i].correct = i % 4;
    }
    return test;
}

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
