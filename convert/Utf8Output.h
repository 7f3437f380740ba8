#pragma once
// A text file being written: the test's Windows-1250 texts go out as UTF-8, through a buffer, to
// the sink in large chunks.

#include "convert/FileAccess.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Utf8Output {
public:
    explicit Utf8Output(ByteSink& sink);

    // Bytes that are UTF-8 already (ASCII, or one of the messages).
    void Raw(const char* text, size_t size);
    void Raw(const char* text) { Raw(text, std::char_traits<char>::length(text)); }
    void Raw(const std::string& text) { Raw(text.data(), text.size()); }
    // Windows-1250 bytes, converted: a record's text up to its NUL, or a piece of one.
    void Text(const char* field);
    void Text(const char* data, size_t size);
    // Hands everything still buffered to the sink; call once at the end.
    void Flush();

private:
    // Makes room for size more bytes (a few texts' worth at most), flushing first if they do not fit.
    uint8_t* Reserve(size_t size);

    ByteSink& m_sink;
    // Each Windows-1250 byte in UTF-8: one to three bytes, and in the row's last byte how many.
    static constexpr size_t kRowSize = 4;
    uint8_t m_utf8[256][kRowSize] = {};
    std::vector<uint8_t> m_buffer;
    size_t m_used = 0;
};
