#include "convert/Utf8Output.h"

#include "storage/Cp1250.h"
#include "storage/QuestionRecord.h"

#include <cstring>

namespace {
// The most one Windows-1250 byte becomes in UTF-8 (the euro sign, U+20AC, takes three).
constexpr size_t kMostBytesPerCharacter = 3;
constexpr size_t kBufferSize = 1 << 20;
} // namespace

Utf8Output::Utf8Output(ByteSink& sink) : m_sink(sink), m_buffer(kBufferSize) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = Cp1250::ToUnicode(static_cast<uint8_t>(byte));
        uint8_t* utf8 = m_utf8[byte];
        if (c < 0x80) {
            utf8[0] = static_cast<uint8_t>(c);
        } else if (c < 0x800) {
            utf8[0] = static_cast<uint8_t>(0xC0 | (c >> 6));
            utf8[1] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        } else {
            utf8[0] = static_cast<uint8_t>(0xE0 | (c >> 12));
            utf8[1] = static_cast<uint8_t>(0x80 | ((c >> 6) & 0x3F));
            utf8[2] = static_cast<uint8_t>(0x80 | (c & 0x3F));
        }
        utf8[kRowSize - 1] = static_cast<uint8_t>(c < 0x80 ? 1 : c < 0x800 ? 2 : 3);
    }
}

uint8_t* Utf8Output::Reserve(size_t size) {
    if (m_buffer.size() - m_used < size)
        Flush();
    return m_buffer.data() + m_used;
}

void Utf8Output::Raw(const char* data, size_t size) {
    if (size > m_buffer.size() / 2) { // a piece this large goes out as it is
        Flush();
        m_sink.Write(reinterpret_cast<const uint8_t*>(data), size);
        return;
    }
    std::memcpy(Reserve(size), data, size);
    m_used += size;
}

void Utf8Output::Text(const char* field) {
    Text(field, TextFieldLength(field));
}

void Utf8Output::Text(const char* data, size_t size) {
    // Every byte by its table row, without a branch between ASCII and the rest: which comes next
    // in a Czech text is anybody's guess. A row is stored whole; what a shorter character leaves
    // past itself is overwritten by the next (Reserve keeps a row's room spare).
    uint8_t* const start = Reserve(size * kMostBytesPerCharacter + kRowSize);
    uint8_t* out = start;
    for (const char* end = data + size; data != end; ++data) {
        const uint8_t byte = static_cast<uint8_t>(*data);
        std::memcpy(out, m_utf8[byte], kRowSize);
        out += m_utf8[byte][kRowSize - 1];
    }
    m_used += static_cast<size_t>(out - start);
}

void Utf8Output::Flush() {
    if (m_used > 0)
        m_sink.Write(m_buffer.data(), m_used);
    m_used = 0;
}
