#pragma once
// What the file benchmarks share: a large test of full-length texts, and the plainest way to move
// the same bytes, against which each sets its figures.

#include "storage/QuestionArray.h"

#include <cstdint>
#include <string>
#include <vector>

// Every text 1023 pseudo-random characters of alphabet (Windows-1250), so no two questions are
// alike; the right answers go round 0..3.
QuestionArray FullLengthTest(int32_t count, const std::string& alphabet);

// The test file's bytes, all at once.
std::vector<uint8_t> EncodeTest(const QuestionArray& test);

// One read of the whole file into a buffer allocated for it; returns the seconds it took.
double PlainRead(const std::wstring& path, size_t size);

// One write of the bytes and a flush; returns the seconds it took.
double PlainWrite(const std::wstring& path, const std::vector<uint8_t>& bytes);
