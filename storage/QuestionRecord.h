#pragma once
// One question in memory and the array a test is held in. Plain data: no Win32 here, so the
// file-format decoder that fills it also builds natively for the fuzzer.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

constexpr int kTextFieldSize = 1024; // 1023 bytes of text and the terminating NUL
constexpr int kTextFieldCount = 5;   // question, answer 1 .. answer 4

enum TextField { FieldQuestion = 0, FieldAnswer1, FieldAnswer2, FieldAnswer3, FieldAnswer4 };

struct QuestionRecord {
    char text[kTextFieldCount][kTextFieldSize];
    int32_t correct;
};
static_assert(sizeof(QuestionRecord) == 5124, "a record is five 1024-byte texts and a 32-bit index");

// The most questions a test may have, in the new-test dialog and the converter alike: its array
// (5124 bytes a question) must still be allocatable in one block of a 32-bit process.
constexpr int32_t kMaxQuestionCount = 50000;

// Bytes of text in a field, before its NUL. A field without a NUL (the program never makes one, but
// the record is not trusted) is cut to 1023 bytes, so it still reads back as a terminated text.
// A word at a time: with long texts this search is most of a writer's work, and the runtime's
// memchr goes byte by byte.
inline size_t TextFieldLength(const char* field) {
    constexpr size_t kOnes = ~size_t(0) / 0xFF; // 0x01 in every byte
    constexpr size_t kHighBits = kOnes * 0x80;
    size_t i = 0;
    for (; i + sizeof(size_t) <= kTextFieldSize; i += sizeof(size_t)) {
        size_t word;
        std::memcpy(&word, field + i, sizeof word);
        if ((word - kOnes) & ~word & kHighBits) // some byte of the word is 0
            break;
    }
    for (; i < kTextFieldSize; ++i)
        if (field[i] == '\0')
            return i;
    return kTextFieldSize - 1;
}
