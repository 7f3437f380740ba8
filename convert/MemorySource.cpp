#include "convert/MemorySource.h"

#include <algorithm>
#include <cstring>

MemorySource::MemorySource(const uint8_t* data, size_t size, size_t chunkSize)
    : m_data(data), m_size(size), m_chunkSize(std::max<size_t>(chunkSize, 1)) {}

size_t MemorySource::Read(uint8_t* buffer, size_t capacity) {
    const size_t take = std::min({capacity, m_chunkSize, m_size - m_offset});
    if (take > 0)
        std::memcpy(buffer, m_data + m_offset, take);
    m_offset += take;
    return take;
}
