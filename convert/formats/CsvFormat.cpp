#include "convert/formats/CsvFormat.h"

#include "convert/LineParser.h"
#include "convert/LineReader.h"
#include "convert/Messages.h"
#include "convert/Utf8Output.h"
#include "storage/Cp1250.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr size_t kRefused = std::string_view::npos;

// Where the first `stop`, or in a text also the first tab, stands from at on; the line's size where
// neither does. One pass, a word of bytes at a time: two memchr calls would make two, and the
// Windows runtime's memchr goes a byte at a time.
size_t Find(std::string_view line, size_t at, char stop, bool text) {
    constexpr size_t kOnes = ~size_t(0) / 0xFF, kHighs = kOnes * 0x80;
    const size_t stops = kOnes * static_cast<uint8_t>(stop), tabs = text ? kOnes * '\t' : stops;
    for (; line.size() - at >= sizeof(size_t); at += sizeof(size_t)) {
        size_t word;
        std::memcpy(&word, line.data() + at, sizeof word);
        // Some byte of either is zero where the word holds a stop or a tab.
        const size_t x = word ^ stops, y = word ^ tabs;
        if ((((x - kOnes) & ~x) | ((y - kOnes) & ~y)) & kHighs)
            break;
    }
    while (at < line.size() && line[at] != stop && !(text && line[at] == '\t'))
        ++at;
    return at;
}

// 0..3 for "A".."D", "a".."d" (as a teacher types them) or "1".."4", else -1.
int AnswerIndex(std::string_view answer) {
    if (answer.size() != 1)
        return -1;
    for (const char first : {'A', 'a', '1'})
        if (answer[0] >= first && answer[0] <= first + 3)
            return answer[0] - first;
    return -1;
}

class CsvParser : public LineParser {
public:
    using LineParser::LineParser;

    bool Parse(std::string_view line, int64_t number, bool ended) override;

protected:
    bool FinishText() override;

private:
    // Reads a row's cells into m_cells; returns how many, or -1 once refused (unless probing).
    int64_t ReadRow(std::string_view line, int64_t number, bool ended);
    // Reads the cell that starts at `at` into cell; returns where it ends (at a delimiter or the
    // line's end), or kRefused. A tab is trimmed off the answer, but in a text it is a control.
    size_t ReadCell(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                    bool ended);
    size_t ReadQuoted(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                      bool ended);
    // Where the cell's text ends, at stop or the line's end; kRefused at a tab in a text.
    size_t Scan(std::string_view line, size_t at, char stop, bool text, int64_t number);
    size_t Fail(int64_t number, size_t column, const std::string& reason);
    // How many cells the line has with delimiter, and whether all of them are empty.
    int64_t Probe(std::string_view line, char delimiter, bool& empty);
    int Fit(std::string_view line, char delimiter);
    char DelimiterOf(std::string_view line);
    bool IsHeader(int64_t cells) const;
    bool StoreRow(int64_t number);

    char m_delimiter = 0; // found on the first row that is not empty
    bool m_probing = false;
    bool m_firstRow = true;
    int64_t m_headerLine = 0;
    std::string m_cells[6]; // the five texts, then the last cell of the row, whatever its number
    bool m_anyText = false; // some cell of the row holds something
    QuestionRecord m_record{};
};

bool CsvParser::Parse(std::string_view line, int64_t number, bool ended) {
    // Rows of empty cells, such as a spreadsheet saves past its data or between blocks, say nothing.
    if (m_delimiter == 0) {
        bool emptyBySemicolon = false, emptyByComma = false;
        Probe(line, ';', emptyBySemicolon);
        Probe(line, ',', emptyByComma);
        if (emptyBySemicolon || emptyByComma)
            return true;
        m_delimiter = DelimiterOf(line);
    }
    const int64_t cells = ReadRow(line, number, ended);
    if (cells < 0)
        return false;
    if (!m_anyText)
        return true;
    if (std::exchange(m_firstRow, false) && IsHeader(cells)) {
        m_headerLine = number;
        SkipHeader(m_cells[0]);
        return true;
    }
    if (cells != 6)
        return Refuse(number, 0, Messages::CellCount(cells));
    return StoreRow(number);
}

bool CsvParser::FinishText() {
    return Count() > 0 || m_headerLine == 0 || Refuse(m_headerLine, 0, Messages::OnlyHeader());
}

int64_t CsvParser::ReadRow(std::string_view line, int64_t number, bool ended) {
    int64_t cells = 0;
    m_anyText = false;
    for (size_t at = 0;; ++at) {
        std::string& cell = m_cells[std::min<int64_t>(cells, 5)];
        cell.clear();
        at = ReadCell(line, at, cell, cells < 5, number, ended);
        if (at == kRefused)
            return -1;
        m_anyText = m_anyText || !cell.empty();
        ++cells;
        if (at == line.size())
            return cells;
    }
}

int64_t CsvParser::Probe(std::string_view line, char delimiter, bool& empty) {
    m_delimiter = delimiter;
    m_probing = true;
    const int64_t cells = ReadRow(line, 0, true);
    m_probing = false;
    m_delimiter = 0;
    empty = cells > 0 && !m_anyText;
    return cells;
}

// How well delimiter splits the row: 2 into six cells, the last a right answer; 1 into six cells;
// else 0.
int CsvParser::Fit(std::string_view line, char delimiter) {
    bool empty = false;
    if (Probe(line, delimiter, empty) != 6)
        return 0;
    return AnswerIndex(Trimmed(m_cells[5])) >= 0 ? 2 : 1;
}

// The one that fits the row better; where both fit alike, the more frequent outside quotes.
char CsvParser::DelimiterOf(std::string_view line) {
    const int bySemicolon = Fit(line, ';'), byComma = Fit(line, ',');
    if (bySemicolon != byComma)
        return bySemicolon > byComma ? ';' : ',';
    bool quoted = false;
    int64_t semicolons = 0, commas = 0;
    for (const char c : line) {
        quoted = quoted != (c == '"');
        semicolons += !quoted && c == ';';
        commas += !quoted && c == ',';
    }
    return commas > semicolons ? ',' : ';';
}

size_t CsvParser::Fail(int64_t number, size_t column, const std::string& reason) {
    if (!m_probing)
        Refuse(number, static_cast<int64_t>(column), reason);
    return kRefused;
}

size_t CsvParser::ReadCell(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                           bool ended) {
    if (at < line.size() && line[at] == '"')
        return ReadQuoted(line, at, cell, text, number, ended);
    const size_t end = Scan(line, at, m_delimiter, text, number);
    if (end != kRefused)
        cell.append(line.data() + at, end - at);
    return end;
}

size_t CsvParser::ReadQuoted(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                             bool ended) {
    const size_t quote = at++;
    for (;;) {
        const size_t stop = Scan(line, at, '"', text, number);
        if (stop == kRefused)
            return kRefused;
        if (stop == line.size())
            return ended ? Fail(number, line.size() + 1, Messages::LineBreakInCell())
                         : Fail(number, quote + 1, Messages::UnclosedQuote());
        cell.append(line.data() + at, stop - at);
        at = stop + 1;
        // A second quote stands for one; else the cell has ended.
        if (at < line.size() && line[at] == '"') {
            cell += '"';
            ++at;
            continue;
        }
        if (at < line.size() && line[at] != m_delimiter)
            return Fail(number, at + 1, Messages::AfterClosingQuote());
        return at;
    }
}

size_t CsvParser::Scan(std::string_view line, size_t at, char stop, bool text, int64_t number) {
    const size_t found = Find(line, at, stop, text);
    if (found < line.size() && line[found] == '\t')
        return Fail(number, found + 1, Messages::ControlCharacter('\t'));
    return found;
}

// A header's last cell is a word or words of letters ("Správně", "Správná odpověď"), two at least.
bool CsvParser::IsHeader(int64_t cells) const {
    const std::string_view last = Trimmed(m_cells[std::min<int64_t>(cells - 1, 5)]);
    return last.size() >= 2 && std::all_of(last.begin(), last.end(), [](char c) {
               return c == ' ' || Cp1250::IsLetter(static_cast<uint8_t>(c));
           });
}

bool CsvParser::StoreRow(int64_t number) {
    for (int field = 0; field < kTextFieldCount; ++field) {
        const std::string& cell = m_cells[field];
        if (cell.size() > kTextFieldSize - 1)
            return Refuse(number, 0, Messages::TextTooLong(field));
        std::memcpy(m_record.text[field], cell.c_str(), cell.size() + 1);
    }
    m_record.correct = AnswerIndex(Trimmed(m_cells[5]));
    if (m_record.correct < 0)
        return Refuse(number, 0, Messages::BadRightAnswer());
    return Add(m_record, number);
}

ReadResult Read(ByteSource& source) {
    return LineReader::Read(source, [](uint64_t size) { return std::make_unique<CsvParser>(size); });
}

std::optional<std::string> Check(const QuestionRecord& record, int32_t number) {
    return CheckText(record, number);
}

// A text cell, always quoted: a spreadsheet told to take quoted cells as text then keeps "1/2",
// "0012" and "=1+1" as typed. Each quote inside is doubled.
void WriteCell(Utf8Output& out, const char* text) {
    const char* end = text + TextFieldLength(text);
    out.Raw("\"");
    for (const char* quote; (quote = std::find(text, end, '"')) != end; text = quote + 1) {
        out.Text(text, static_cast<size_t>(quote - text));
        out.Raw("\"\"");
    }
    out.Text(text, static_cast<size_t>(end - text));
    out.Raw("\"");
}

void Write(const QuestionArray& questions, const WriteOptions&, ByteSink& sink) {
    Utf8Output out(sink);
    out.Raw("\xEF\xBB\xBF");
    out.Raw(Messages::CsvHeader());
    out.Raw("\r\n");
    for (int32_t i = 0; i < questions.Count(); ++i) {
        for (const char* text : questions[i].text) {
            WriteCell(out, text);
            out.Raw(";");
        }
        const char answer[] = {static_cast<char>('A' + questions[i].correct), '\r', '\n', '\0'};
        out.Raw(answer);
    }
    out.Flush();
}

} // namespace

const Format kCsvFormat = {"csv", Read, Check, Write};
