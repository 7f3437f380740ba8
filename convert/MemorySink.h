#pragma once
// A file written into memory: the tests and the fuzzers read back what a writer wrote.

#include "convert/ByteSink.h"

#include <vector>

class MemorySink : public ByteSink {
public:
    void Write(const uint8_t* data, size_t size) override { bytes.insert(bytes.end(), data, data + size); }

    std::vector<uint8_t> bytes;
};
