#include "convert/Utf8Output.h"

#include "storage/Cp1250.h"
#include "storage/QuestionRecord.h"

#include <cstring>

namespace {
constexpr size_t kBufferSize = 1 << 20;
} // namespace

Utf8Output::Utf8Output(ByteSink& sink) : m_sink(sink), m_buffer(kBufferSize) {
    for (int byte = 0; byte < 256; ++byte) {
        char* const row = reinterpret_cast<char*>(m_utf8[byte]);
        m_utf8[byte][kRowSize - 1] =
            static_cast<uint8_t>(Cp1250::PutUtf8(static_cast<uint8_t>(byte), row) - row);
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
    uint8_t* const start = Reserve(size * Cp1250::kMostUtf8Bytes + kRowSize);
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
