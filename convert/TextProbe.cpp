#include "convert/TextProbe.h"

#include "convert/FindByte.h"

namespace {

bool IsBlank(uint8_t byte) {
    // CR counts as blank: the CR of a CRLF ending adds nothing to a line.
    return byte == ' ' || byte == '\t' || byte == '\r';
}

} // namespace

void TextProbe::Feed(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    while (data != end) {
        const uint8_t* lineEnd = FindByte(data, end, '\n');
        const bool found = lineEnd != end;
        if (lineEnd != data)
            m_lineStarted = true;
        for (const uint8_t* p = data; p != lineEnd && !m_lineHasText; ++p)
            m_lineHasText = !IsBlank(*p);
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
