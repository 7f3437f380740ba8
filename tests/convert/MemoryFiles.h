#pragma once
// Files kept in memory, for the converter's tests and fuzzers: bytes read as a file in chunks of
// at most chunkSize bytes, which moves the block boundaries around, and a sink that keeps what a
// writer writes.

#include "convert/FileAccess.h"

#include <algorithm>
#include <cstring>
#include <vector>

class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size, size_t chunkSize = SIZE_MAX)
        : m_data(data), m_size(size), m_chunkSize(std::max<size_t>(chunkSize, 1)) {}

    size_t Read(uint8_t* buffer, size_t capacity) override {
        const size_t take = std::min({capacity, m_chunkSize, m_size - m_offset});
        if (take > 0)
            std::memcpy(buffer, m_data + m_offset, take);
        m_offset += take;
        return take;
    }
    void Rewind() override { m_offset = 0; }
    uint64_t Size() override { return m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_chunkSize;
    size_t m_offset = 0;
};

class MemorySink : public ByteSink {
public:
    void Write(const uint8_t* data, size_t size) override { bytes.insert(bytes.end(), data, data + size); }

    std::vector<uint8_t> bytes;
};
