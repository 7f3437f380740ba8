#pragma once
// Reads a text file a whole line at a time and hands each line, decoded to the test's
// Windows-1250 bytes, to a format's parser. It alone deals with the file's blocks, the byte order
// mark, UTF-8 against Windows-1250, line ends (LF or CRLF) and the column of a character the test
// cannot hold; a parser keeps no state across blocks.

#include "convert/LineParser.h"

#include <functional>
#include <memory>
#include <vector>

class LineReader {
public:
    using MakeParser = std::function<std::unique_ptr<LineParser>(uint64_t fileSize)>;

    // A file is UTF-8 unless some byte of it is not, and most are: it is read as UTF-8 on trust.
    // Where that meets a byte that is not UTF-8, or the parser refuses the file while such a byte
    // comes further on, it is read as Windows-1250 (again from the start, unless every line so
    // far was ASCII, which reads the same both ways). A byte order mark says UTF-8 for certain;
    // UTF-16 is refused. Throws FileAccessError.
    static ReadResult Read(ByteSource& source, const MakeParser& makeParser);

private:
    enum class Encoding { Utf8, Utf8Certain, Cp1250 };
    enum class Outcome { Done, ReadAsCp1250 };

    LineReader(ByteSource& source, Encoding encoding, size_t skip);

    Outcome Run(LineParser& parser);
    // The next line's bytes, without its line end; false at the end of the file, or at a line too
    // long to be one of a test's (m_tooLong).
    bool NextLine();
    // Decodes the line into m_line; false, with the column and reason, at a character that
    // cannot be read or held. notUtf8 tells that the character is not UTF-8 at all.
    bool Decode(int64_t& column, std::string& reason, bool& notUtf8);
    // Whether the file from the current line on is UTF-8 throughout.
    bool RestIsUtf8();
    // Reads more of the file behind what is left of the buffer; false at its end.
    bool Fill();

    ByteSource& m_source;
    Encoding m_encoding;
    std::vector<uint8_t> m_buffer;
    size_t m_begin = 0, m_end = 0;  // what is read and not yet handed out
    const uint8_t* m_raw = nullptr; // the current line's bytes
    size_t m_rawSize = 0;
    bool m_ended = false; // by a line break
    bool m_tooLong = false;
    int64_t m_number = 0;
    bool m_lineNonAscii = false; // in the current line
    bool m_sawNonAscii = false;  // in a line handed out
    std::string m_line;
};
