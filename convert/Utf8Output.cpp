#include "convert/Utf8Output.h"

#include "convert/Cp1250.h"

#include <algorithm>
#include <cstring>

namespace {
// The most one Windows-1250 byte becomes in UTF-8 (the euro sign, U+20AC, takes three).
constexpr size_t kMostBytesPerCharacter = 3;

uint8_t* PutUtf8(char32_t character, uint8_t* out) {
    if (character < 0x800) {
        *out++ = static_cast<uint8_t>(0xC0 | (character >> 6));
    } else {
        *out++ = static_cast<uint8_t>(0xE0 | (character >> 12));
        *out++ = static_cast<uint8_t>(0x80 | ((character >> 6) & 0x3F));
    }
    *out++ = static_cast<uint8_t>(0x80 | (character & 0x3F));
    return out;
}
} // namespace

Utf8Output::Utf8Output(ByteSink& sink) : m_sink(sink) {}

uint8_t* Utf8Output::Reserve(size_t size) {
    if (m_buffer.Size() - m_used < size)
        Flush();
    return m_buffer.Data() + m_used;
}

void Utf8Output::Raw(const char* data, size_t size) {
    std::memcpy(Reserve(size), data, size);
    m_used += size;
}

void Utf8Output::Text(const char* data, size_t size) {
    uint8_t* const start = Reserve(size * kMostBytesPerCharacter);
    uint8_t* out = start;
    const uint8_t* in = reinterpret_cast<const uint8_t*>(data);
    const uint8_t* end = in + size;
    while (in != end) {
        // ASCII, most of a text, in one copy.
        const uint8_t* ascii = std::find_if(in, end, [](uint8_t byte) { return byte >= 0x80; });
        std::memcpy(out, in, static_cast<size_t>(ascii - in));
        out += ascii - in;
        in = ascii;
        if (in != end)
            out = PutUtf8(Cp1250::ToUnicode(*in++), out);
    }
    m_used += static_cast<size_t>(out - start);
}

void Utf8Output::Flush() {
    if (m_used > 0)
        m_sink.Write(m_buffer.Data(), m_used);
    m_used = 0;
}
