#pragma once
// Reads what a spreadsheet saves as CSV (RFC 4180 quoting): rows of six cells, the question, the
// options A to D and the right answer (A to D or 1 to 4). Cells are taken as they stand; only the
// answer is trimmed. A first row whose last cell is a word of two or more letters is a header.

#include "convert/TextParser.h"

class CsvReader : public TextParser {
public:
    // lines from the first pass: every row takes one.
    CsvReader(uint64_t lines, char delimiter);

protected:
    bool ParseChunk(const uint8_t* data, const uint8_t* end) override;
    bool FinishText() override;

private:
    enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted };

    const uint8_t* ReadRun(const uint8_t* p, const uint8_t* end, bool quoted);
    bool OnSpecial(const uint8_t*& p);
    bool OnQuoted(const uint8_t*& p);
    bool OnAfterQuote(const uint8_t*& p);
    bool OnTab(const uint8_t* at);
    void Append(const uint8_t* data, size_t size);
    bool EndRow();
    bool IsHeader(int64_t cells) const;
    bool StoreRow();

    // The text of the cell being read, or of the last cell read, whatever its number.
    char* CellText(int64_t cell) { return cell < 5 ? m_record.text[cell] : m_lastCell; }
    const char* CellText(int64_t cell) const { return cell < 5 ? m_record.text[cell] : m_lastCell; }
    size_t CellRoom(int64_t cell) const { return cell < 5 ? kTextFieldSize - 1 : sizeof m_lastCell; }

    char m_delimiter;
    // The bytes that end a run of a cell's text, outside quotes and inside.
    bool m_stopsUnquoted[256] = {};
    bool m_stopsQuoted[256] = {};
    State m_state = State::CellStart;
    bool m_firstRow = true;
    int64_t m_cell = 0; // cells of the row read so far
    // Each cell's length, counted on past what is kept; the sixth and later share the last slot.
    uint64_t m_lengths[6] = {};
    char m_lastCell[64] = {}; // the answer, or a header's last word
    int64_t m_quoteLine = 0, m_quoteColumn = 0;
    QuestionRecord m_record{};
};
