#include "convert/TextProbe.h"

#include <cstring>

namespace {

bool IsBlank(uint8_t byte) {
    // CR counts as blank: the CR of a CRLF ending adds nothing to a line.
    return byte == ' ' || byte == '\t' || byte == '\r';
}

} // namespace

void TextProbe::Feed(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    while (data != end) {
        const void* found = std::memchr(data, '\n', static_cast<size_t>(end - data));
        const uint8_t* lineEnd = found ? static_cast<const uint8_t*>(found) : end;
        if (lineEnd != data)
            m_lineStarted = true;
        for (const uint8_t* p = data; p != lineEnd && !m_lineHasText; ++p)
            m_lineHasText = !IsBlank(*p);
        if (m_utf8Valid)
            ValidateUtf8(data, lineEnd);
        if (m_firstLine)
            CountDelimiters(data, lineEnd);
        if (found) {
            EndLine();
            ++lineEnd;
        }
        data = lineEnd;
    }
}

void TextProbe::EndLine() {
    ++m_lines;
    m_nonBlankLines += m_lineHasText;
    m_lineStarted = m_lineHasText = m_firstLine = false;
}

void TextProbe::Finish() {
    if (m_lineStarted)
        EndLine();
    if (m_utf8.InSequence())
        m_utf8Valid = false;
}

void TextProbe::ValidateUtf8(const uint8_t* data, const uint8_t* end) {
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    while (data != end) {
        // Eight ASCII bytes at a time between sequences: most of a Czech text is ASCII.
        uint64_t word;
        if (!m_utf8.InSequence() && end - data >= 8 &&
            (std::memcpy(&word, data, 8), (word & kHighBits) == 0)) {
            data += 8;
            continue;
        }
        if (m_utf8.Feed(*data++) == Utf8Decoder::kInvalid) {
            m_utf8Valid = false;
            return;
        }
    }
}

void TextProbe::CountDelimiters(const uint8_t* data, const uint8_t* end) {
    for (; data != end; ++data) {
        if (*data == '"')
            m_inQuotes = !m_inQuotes;
        else if (!m_inQuotes && *data == ';')
            ++m_semicolons;
        else if (!m_inQuotes && *data == ',')
            ++m_commas;
    }
}
