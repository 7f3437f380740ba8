#pragma once
// One question in memory and the array a test is held in. Plain data: no Win32 here, so the
// file-format decoder that fills it also builds natively for the fuzzer.

#include <cstddef>
#include <cstdint>
#include <memory>

constexpr int kTextFieldSize = 1024; // 1023 bytes of text and the terminating NUL
constexpr int kTextFieldCount = 5;   // question, answer 1 .. answer 4

enum TextField { FieldQuestion = 0, FieldAnswer1, FieldAnswer2, FieldAnswer3, FieldAnswer4 };

struct QuestionRecord {
    char text[kTextFieldCount][kTextFieldSize];
    int32_t correct;
};
static_assert(sizeof(QuestionRecord) == 5124, "a record is five 1024-byte texts and a 32-bit index");
