#pragma once
// The first pass over a text file: how many questions it can hold at most, so the array is
// allocated once at its size, and the CSV delimiter. It reads raw bytes; every byte that matters
// here is ASCII, which UTF-8 and Windows-1250 share.

#include <cstddef>
#include <cstdint>

class TextProbe {
public:
    // The file's bytes after any byte order mark, chunk by chunk.
    void Feed(const uint8_t* data, size_t size);
    // After the last chunk.
    void Finish();

    // Lines, the last one counted when it holds anything: a CSV row takes one.
    uint64_t Lines() const { return m_lines; }
    // Lines holding more than spaces and tabs: an Aiken question takes six.
    uint64_t NonBlankLines() const { return m_nonBlankLines; }
    // ';', a Czech spreadsheet's, unless the first line has more commas outside quotes.
    char Delimiter() const { return m_commas > m_semicolons ? ',' : ';'; }

private:
    void CountDelimiters(const uint8_t* data, const uint8_t* end);
    void EndLine();

    uint64_t m_lines = 0;
    uint64_t m_nonBlankLines = 0;
    bool m_lineStarted = false;
    bool m_lineHasText = false;
    bool m_firstLine = true;
    bool m_inQuotes = false;
    uint64_t m_semicolons = 0;
    uint64_t m_commas = 0;
};
