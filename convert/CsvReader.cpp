#include "convert/CsvReader.h"

#include "storage/Cp1250.h"
#include "convert/Messages.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The cell without the blanks around it, as [begin, end).
void Trim(const char*& begin, const char*& end) {
    while (begin != end && IsBlank(*begin))
        ++begin;
    while (end != begin && IsBlank(end[-1]))
        --end;
}

// 0..3 for "A".."D" or "1".."4", else -1.
int AnswerIndex(const char* begin, const char* end) {
    if (end - begin != 1)
        return -1;
    if (*begin >= 'A' && *begin <= 'D')
        return *begin - 'A';
    if (*begin >= '1' && *begin <= '4')
        return *begin - '1';
    return -1;
}

} // namespace

CsvReader::CsvReader(uint64_t lines, char delimiter) : TextParser(lines), m_delimiter(delimiter) {
    for (const uint8_t stop : {'\n', '\t'})
        m_stopsQuoted[stop] = m_stopsUnquoted[stop] = true;
    m_stopsQuoted[static_cast<uint8_t>('"')] = true;
    m_stopsUnquoted[static_cast<uint8_t>(delimiter)] = true;
}

bool CsvReader::ParseChunk(const uint8_t* p, const uint8_t* end) {
    while (p != end) {
        switch (m_state) {
        case State::CellStart:
            if (*p == '"') {
                m_quoteLine = Line();
                m_quoteColumn = ColumnOf(p++);
                m_state = State::Quoted;
            } else {
                m_state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            p = ReadRun(p, end, false);
            if (p != end && !OnSpecial(p))
                return false;
            break;
        case State::Quoted:
            p = ReadRun(p, end, true);
            if (p != end && !OnQuoted(p))
                return false;
            break;
        case State::QuoteInQuoted:
            if (!OnAfterQuote(p))
                return false;
            break;
        }
    }
    return true;
}

// Takes the bytes up to the next one that means something in the state, as one piece.
const uint8_t* CsvReader::ReadRun(const uint8_t* p, const uint8_t* end, bool quoted) {
    const uint8_t* run = p;
    const bool* stops = quoted ? m_stopsQuoted : m_stopsUnquoted;
    while (p != end && !stops[*p])
        ++p;
    Append(run, static_cast<size_t>(p - run));
    return p;
}

// A delimiter, line end or tab in an unquoted cell.
bool CsvReader::OnSpecial(const uint8_t*& p) {
    const uint8_t* at = p++;
    if (*at == '\t')
        return OnTab(at);
    ++m_cell;
    m_state = State::CellStart;
    if (*at != '\n') {
        // The sixth cell and those after it share a slot: it keeps the last one.
        if (m_cell >= 5)
            m_lengths[5] = 0;
        return true;
    }
    const bool stored = EndRow();
    StartLine(p);
    return stored;
}

// A quote, line end or tab inside quotes.
bool CsvReader::OnQuoted(const uint8_t*& p) {
    const uint8_t* at = p++;
    if (*at == '"') {
        m_state = State::QuoteInQuoted;
        return true;
    }
    return *at == '\t' ? OnTab(at) : RefuseAt(at, Messages::LineBreakInCell());
}

// After a quote inside quotes: a second quote stands for one, else the cell has ended.
bool CsvReader::OnAfterQuote(const uint8_t*& p) {
    if (*p == '"') {
        Append(p++, 1);
        m_state = State::Quoted;
        return true;
    }
    if (*p != static_cast<uint8_t>(m_delimiter) && *p != '\n')
        return RefuseAt(p, Messages::AfterClosingQuote());
    return OnSpecial(p);
}

// A tab is trimmed off the answer; in a text it is a control character.
bool CsvReader::OnTab(const uint8_t* at) {
    if (m_cell < 5)
        return RefuseAt(at, Messages::ControlCharacter('\t'));
    Append(at, 1);
    return true;
}

void CsvReader::Append(const uint8_t* data, size_t size) {
    uint64_t& length = m_lengths[std::min<int64_t>(m_cell, 5)];
    const size_t room = CellRoom(m_cell) - static_cast<size_t>(std::min<uint64_t>(length, CellRoom(m_cell)));
    std::memcpy(CellText(m_cell) + (CellRoom(m_cell) - room), data, std::min(size, room));
    length += size;
}

bool CsvReader::EndRow() {
    const int64_t cells = m_cell;
    m_cell = 0;
    if (m_firstRow) {
        m_firstRow = false;
        if (IsHeader(cells)) {
            m_questions.LowerBound();
            std::fill(std::begin(m_lengths), std::end(m_lengths), 0);
            return true;
        }
    }
    if (cells != 6)
        return RefuseLine(Messages::CellCount(cells));
    const bool stored = StoreRow();
    std::fill(std::begin(m_lengths), std::end(m_lengths), 0);
    return stored;
}

bool CsvReader::IsHeader(int64_t cells) const {
    const int64_t last = cells - 1;
    const uint64_t length = m_lengths[std::min<int64_t>(last, 5)];
    if (length > CellRoom(last))
        return false;
    const char* begin = CellText(last);
    const char* end = begin + length;
    Trim(begin, end);
    return end - begin >= 2 &&
           std::all_of(begin, end, [](char c) { return Cp1250::IsLetter(static_cast<uint8_t>(c)); });
}

bool CsvReader::StoreRow() {
    for (int field = 0; field < kTextFieldCount; ++field) {
        if (m_lengths[field] > kTextFieldSize - 1)
            return RefuseLine(Messages::TextTooLong(field));
        m_record.text[field][m_lengths[field]] = '\0';
    }
    const char* begin = m_lastCell;
    const char* end = begin + std::min<uint64_t>(m_lengths[5], sizeof m_lastCell);
    Trim(begin, end);
    m_record.correct = AnswerIndex(begin, end);
    if (m_record.correct < 0)
        return RefuseLine(Messages::BadRightAnswer());
    return AddQuestion(m_record);
}

bool CsvReader::FinishText() {
    // The row the file ends in without a line end; a file ending in one has none left.
    switch (m_state) {
    case State::CellStart:
        if (m_cell == 0)
            return true;
        break;
    case State::Quoted:
        return Refuse(m_quoteLine, m_quoteColumn, Messages::UnclosedQuote());
    default:
        break;
    }
    ++m_cell;
    return EndRow();
}
