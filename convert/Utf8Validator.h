#pragma once
// Tells whether a whole file is UTF-8, chunk by chunk. The reader decodes a file without a byte
// order mark as UTF-8 on trust; when that refuses it, this decides whether the refusal stands or
// the file is Windows-1250 after all.

#include "convert/Utf8Decoder.h"

#include <cstddef>
#include <cstdint>

class Utf8Validator {
public:
    void Feed(const uint8_t* data, size_t size);
    // After the last chunk: true when every byte was UTF-8.
    bool Finish() { return m_valid && !m_utf8.InSequence(); }

private:
    Utf8Decoder m_utf8;
    bool m_valid = true;
};
