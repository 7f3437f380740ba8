#pragma once
// The large tests the file benchmarks move. Portable: the native build writes the convert bench's
// test too, for scripts/compare-convert.sh.

#include "storage/QuestionArray.h"

#include <cstdint>
#include <string>
#include <vector>

// Every text 1023 pseudo-random characters of alphabet (Windows-1250), so no two questions are
// alike; the right answers go round 0..3.
QuestionArray FullLengthTest(int32_t count, const std::string& alphabet);

// The convert bench's test: full-length Czech-looking texts (letters, blanks and some of the
// letters UTF-8 takes two bytes for) that neither begin nor end with a blank, as Aiken needs.
QuestionArray CzechLookingTest(int32_t count);

// The test file's bytes, all at once.
std::vector<uint8_t> EncodeTest(const QuestionArray& test);
