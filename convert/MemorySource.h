#pragma once
// Bytes already in memory read as a file, in chunks of at most chunkSize bytes: the tests and the
// fuzzers move the chunk boundaries around with it.

#include "convert/ByteSource.h"

class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size, size_t chunkSize = SIZE_MAX);

    size_t Read(uint8_t* buffer, size_t capacity) override;
    void Rewind() override { m_offset = 0; }
    uint64_t Size() override { return m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_chunkSize;
    size_t m_offset = 0;
};
