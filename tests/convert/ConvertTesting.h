#pragma once
// What the converter's tests share: files of questions read from and written to memory at any
// chunk size, tables of good and bad inputs, and checks that point a failure at its case.

#include "convert/formats/AikenFormat.h"
#include "convert/formats/CsvFormat.h"
#include "tests/support/TestFileSamples.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads bytes as a file in format, the source handing them out chunk bytes at a time.
ReadResult ReadBytes(const Format& format, const std::string& bytes, size_t chunk = SIZE_MAX);
// Writes questions in format; they must pass the export check.
std::string WriteBytes(const Format& format, const QuestionArray& questions);

struct GoodInput {
    const char* name;
    std::string bytes;
    std::vector<QuestionRecord> expected;
};

struct BadInput {
    const char* name;
    std::string bytes;
    int64_t line;
    int64_t column;     // 0 where the refusal names no character
    std::string reason; // a part of the reason, UTF-8
};

// Each input read at several chunk sizes, so every boundary falls somewhere inside it.
void ExpectReads(const Format& format, const std::vector<GoodInput>& inputs);
void ExpectRefuses(const Format& format, const std::vector<BadInput>& inputs);
