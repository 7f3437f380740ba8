#include "convert/LineReader.h"

#include "convert/Messages.h"
#include "convert/Utf8.h"
#include "storage/Cp1250.h"
#include "storage/Cp1250Check.h"

#include <algorithm>
#include <cstring>

namespace {

// Blocks of this size are read; a line longer than the longest is none a test could hold, however
// many blanks trimming would take off it.
constexpr size_t kBlockSize = 1 << 20;
constexpr size_t kLongestLine = 1 << 24;

// The table of the fast path, which takes the most of any UTF-8 text, Czech included, one byte at
// a time and without a branch on what the byte is. A byte gives the line a character by the row
// that the byte before it chose: in row 0 (after anything but a lead byte), printable ASCII gives
// itself and the lead byte of a two-byte sequence gives nothing yet, but chooses its own row; there
// a continuation byte gives the sequence's character in Windows-1250. kSlow marks the rest: a
// character the general path must read, or refuse with its reason and column.
constexpr uint8_t kNothing = 0, kSlow = 1; // no decoded line holds either byte
constexpr int kFirstLead = 0xC2, kLastLead = 0xDF;

struct FastTable {
    uint8_t give[kLastLead - kFirstLead + 2][256]; // by row, then byte
    uint8_t row[256];                              // the row that reads the next byte
};

FastTable MakeFastTable() {
    FastTable table{};
    std::memset(table.give, kSlow, sizeof table.give);
    for (int byte = 0x20; byte < 0x7F; ++byte)
        table.give[0][byte] = static_cast<uint8_t>(byte);
    table.give[0][static_cast<uint8_t>('\t')] = '\t';
    for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
        const int row = lead - kFirstLead + 1;
        table.give[0][lead] = kNothing;
        table.row[lead] = static_cast<uint8_t>(row);
        for (int next = 0x80; next < 0xC0; ++next) {
            const char32_t character = (lead & 0x1Fu) << 6 | (next & 0x3Fu);
            const int held = character < 0xA0 ? -1 : Cp1250::FromUnicode(character);
            if (held >= 0)
                table.give[row][next] = static_cast<uint8_t>(held);
        }
    }
    return table;
}

const FastTable kFast = MakeFastTable();

// Takes characters from p on into out by the table; returns where it stopped: at the end, or at
// the first byte of a character the general path must read.
const uint8_t* TakeFast(const uint8_t* p, const uint8_t* end, char*& out) {
    char* line = out;
    unsigned row = 0;
    for (; p != end; ++p) {
        const uint8_t byte = *p;
        const uint8_t given = kFast.give[row][byte];
        if (given == kSlow)
            break;
        // Written always, kept only where it is a character: a lead byte's place is taken next.
        *line = static_cast<char>(given);
        line += given != kNothing;
        row = kFast.row[byte];
    }
    out = line;
    // A lead byte goes back with the byte the table could not take after it.
    return row == 0 ? p : p - 1;
}

} // namespace

ReadResult LineReader::Read(ByteSource& source, const MakeParser& makeParser) {
    uint8_t head[3] = {};
    size_t got = 0;
    for (size_t more; got < 3 && (more = source.Read(head + got, 3 - got)) > 0;)
        got += more;
    source.Rewind();
    if (got >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF)))
        return ReadResult{Refusal{0, 0, Messages::Utf16()}, QuestionArray(), std::nullopt};
    const bool mark = got == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF;
    Encoding encoding = mark ? Encoding::Utf8Certain : Encoding::Utf8;
    for (;;) {
        std::unique_ptr<LineParser> parser = makeParser(source.Size());
        LineReader reader(source, encoding, mark ? 3 : 0);
        if (reader.Run(*parser) == Outcome::Done)
            return parser->Take();
        source.Rewind();
        encoding = Encoding::Cp1250;
    }
}

LineReader::LineReader(ByteSource& source, Encoding encoding, size_t skip)
    : m_source(source), m_encoding(encoding),
      m_buffer(static_cast<size_t>(std::min<uint64_t>(kBlockSize, std::max<uint64_t>(source.Size(), 16)))) {
    while (m_end < skip && Fill()) {
    }
    m_begin = std::min(skip, m_end);
}

LineReader::Outcome LineReader::Run(LineParser& parser) {
    while (NextLine()) {
        int64_t column = 0;
        std::string reason;
        bool notUtf8 = false;
        bool decoded = Decode(column, reason, notUtf8);
        if (!decoded && notUtf8 && m_encoding == Encoding::Utf8) {
            if (m_sawNonAscii)
                return Outcome::ReadAsCp1250;
            m_encoding = Encoding::Cp1250;
            decoded = Decode(column, reason, notUtf8);
        }
        if (!decoded ? parser.Refuse(m_number, column, reason) : !parser.Parse(m_line, m_number, m_ended))
            break;
        m_sawNonAscii = m_sawNonAscii || m_lineNonAscii;
    }
    if (m_tooLong)
        parser.Refuse(m_number + 1, 0, Messages::LineTooLong());
    if (!parser.IsRefused())
        parser.Finish();
    if (parser.IsRefused() && m_encoding == Encoding::Utf8 && !RestIsUtf8())
        return Outcome::ReadAsCp1250;
    return Outcome::Done;
}

bool LineReader::NextLine() {
    size_t searched = m_begin;
    for (;;) {
        const uint8_t* data = m_buffer.data();
        const void* lf = std::memchr(data + searched, '\n', m_end - searched);
        if (lf != nullptr) {
            m_ended = true;
            m_rawSize = static_cast<size_t>(static_cast<const uint8_t*>(lf) - (data + m_begin));
            break;
        }
        m_rawSize = 0; // the last line's bytes may move now
        if (m_end - m_begin >= kLongestLine) {
            m_tooLong = true;
            return false;
        }
        searched = m_end - m_begin;
        if (!Fill()) {
            if (m_begin == m_end)
                return false;
            m_ended = false;
            m_rawSize = m_end - m_begin;
            break;
        }
    }
    m_raw = m_buffer.data() + m_begin;
    m_begin += m_rawSize + m_ended;
    ++m_number;
    // The CR of a CRLF is part of the line end; any other CR is a control character.
    if (m_ended && m_rawSize > 0 && m_raw[m_rawSize - 1] == '\r')
        --m_rawSize;
    return true;
}

bool LineReader::Fill() {
    // What is left moves to the front; a line that fills the whole buffer makes it grow.
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_end -= m_begin;
    m_begin = 0;
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    const size_t got = m_source.Read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    m_end += got;
    return got > 0;
}

bool LineReader::Decode(int64_t& column, std::string& reason, bool& notUtf8) {
    m_line.resize(m_rawSize);
    char* const line = &m_line[0];
    char* out = line;
    m_lineNonAscii = false;
    for (const uint8_t *p = m_raw, *end = m_raw + m_rawSize; p != end;) {
        if (m_encoding != Encoding::Cp1250) {
            const uint8_t* const from = p;
            char* const given = out;
            p = TakeFast(p, end, out);
            // Fewer characters than bytes: it took a two-byte sequence.
            m_lineNonAscii = m_lineNonAscii || out - given != p - from;
            if (p == end)
                break;
        }
        const uint8_t byte = *p;
        // Printable ASCII, the most of any text, goes straight through.
        if ((byte >= 0x20 && byte < 0x7F) || byte == '\t') {
            *out++ = static_cast<char>(byte);
            ++p;
            continue;
        }
        m_lineNonAscii = m_lineNonAscii || byte >= 0x80;
        char32_t character = Cp1250::ToUnicode(byte);
        column = out - line + 1;
        if (byte < 0x80 || m_encoding == Encoding::Cp1250) {
            ++p;
        } else if (!DecodeUtf8(p, end, character)) {
            notUtf8 = true;
            reason = Messages::InvalidUtf8();
            return false;
        }
        const int held = character < 0xA0 ? -1 : Cp1250::FromUnicode(character);
        if (held < 0) {
            reason =
                character < 0xA0 ? Messages::ControlCharacter(character) : Cp1250Check::Message(character);
            return false;
        }
        *out++ = static_cast<char>(held);
    }
    m_line.resize(static_cast<size_t>(out - line));
    return true;
}

bool LineReader::RestIsUtf8() {
    do {
        char32_t character;
        for (const uint8_t *p = m_raw, *end = m_raw + m_rawSize; p != end;)
            if (*p < 0x80)
                ++p;
            else if (!DecodeUtf8(p, end, character))
                return false;
    } while (NextLine());
    return true;
}
