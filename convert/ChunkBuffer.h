#pragma once
// A buffer that moves a file in chunks: large enough that each chunk is one system call, no larger
// than a small file needs, and left uninitialised, since every byte is written before it is read.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

class ChunkBuffer {
public:
    static constexpr size_t kMostBytes = 256 * 1024;
    static constexpr size_t kLeastBytes = 4096;

    explicit ChunkBuffer(uint64_t fileSize = kMostBytes)
        : m_size(static_cast<size_t>(std::clamp<uint64_t>(fileSize, kLeastBytes, kMostBytes))),
          m_bytes(new uint8_t[m_size]) {}

    uint8_t* Data() { return m_bytes.get(); }
    size_t Size() const { return m_size; }

private:
    size_t m_size;
    std::unique_ptr<uint8_t[]> m_bytes;
};
