#pragma once
// Where a writer puts a file's bytes, in chunks as large as the writer likes.

#include <cstddef>
#include <cstdint>

class ByteSink {
public:
    virtual ~ByteSink() = default;

    // Takes all of the bytes. Throws FileAccessError when they cannot be written.
    virtual void Write(const uint8_t* data, size_t size) = 0;
};
