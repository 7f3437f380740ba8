#pragma once
// A file being read, chunk by chunk: the readers never ask for the whole of it at once.

#include <cstddef>
#include <cstdint>

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Fills up to capacity bytes and returns how many; 0 at the end. Throws FileAccessError when
    // the file cannot be read.
    virtual size_t Read(uint8_t* buffer, size_t capacity) = 0;

    // Starts again at the first byte: a text is read more than once (how long it is, then what it
    // says).
    virtual void Rewind() = 0;

    // The size in bytes, known before reading: it bounds what a test file may announce.
    virtual uint64_t Size() = 0;
};
