#pragma once
// The plainest way to move a file's bytes, against which the file benchmarks set their figures.

#include <cstdint>
#include <string>
#include <vector>

// One read of the whole file into a buffer allocated for it; returns the seconds it took.
double PlainRead(const std::wstring& path, size_t size);

// One write of the bytes and a flush; returns the seconds it took.
double PlainWrite(const std::wstring& path, const std::vector<uint8_t>& bytes);
