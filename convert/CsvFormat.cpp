#include "convert/CsvFormat.h"

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

// 0..3 for "A".."D" or "1".."4", else -1.
int AnswerIndex(std::string_view answer) {
    if (answer.size() != 1)
        return -1;
    if (answer[0] >= 'A' && answer[0] <= 'D')
        return answer[0] - 'A';
    if (answer[0] >= '1' && answer[0] <= '4')
        return answer[0] - '1';
    return -1;
}

// The more frequent of ';' and ',' outside quotes on the first line.
char DelimiterOf(std::string_view line) {
    bool quoted = false;
    int64_t semicolons = 0, commas = 0;
    for (const char c : line) {
        quoted = quoted != (c == '"');
        semicolons += !quoted && c == ';';
        commas += !quoted && c == ',';
    }
    return commas > semicolons ? ',' : ';';
}

class CsvParser : public LineParser {
public:
    using LineParser::LineParser;

    bool Parse(std::string_view line, int64_t number, bool ended) override;

protected:
    bool FinishText() override { return true; }

private:
    // Reads the cell that starts at `at` into cell; returns where it ends (at a delimiter or the
    // line's end), or kRefused. A tab is trimmed off the answer, but in a text it is a control.
    size_t ReadCell(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                    bool ended);
    size_t ReadQuoted(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                      bool ended);
    bool IsHeader(int64_t cells) const;
    bool StoreRow(int64_t number);

    char m_delimiter = 0; // found on the first line
    bool m_firstRow = true;
    std::string m_cells[6]; // the five texts, then the last cell of the row, whatever its number
    QuestionRecord m_record{};
};

bool CsvParser::Parse(std::string_view line, int64_t number, bool ended) {
    if (m_delimiter == 0)
        m_delimiter = DelimiterOf(line);
    int64_t cells = 0;
    for (size_t at = 0;; ++at) {
        std::string& cell = m_cells[std::min<int64_t>(cells, 5)];
        cell.clear();
        at = ReadCell(line, at, cell, cells < 5, number, ended);
        if (at == kRefused)
            return false;
        ++cells;
        if (at == line.size())
            break;
    }
    if (std::exchange(m_firstRow, false) && IsHeader(cells))
        return true;
    if (cells != 6)
        return Refuse(number, 0, Messages::CellCount(cells));
    return StoreRow(number);
}

size_t CsvParser::ReadCell(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                           bool ended) {
    if (at < line.size() && line[at] == '"')
        return ReadQuoted(line, at, cell, text, number, ended);
    const size_t end = std::min(line.find(m_delimiter, at), line.size());
    const size_t tab = text ? line.find('\t', at) : std::string_view::npos;
    if (tab < end) {
        Refuse(number, static_cast<int64_t>(tab) + 1, Messages::ControlCharacter('\t'));
        return kRefused;
    }
    cell.append(line.data() + at, end - at);
    return end;
}

size_t CsvParser::ReadQuoted(std::string_view line, size_t at, std::string& cell, bool text, int64_t number,
                             bool ended) {
    const size_t quote = at++;
    for (;;) {
        const size_t stop = line.find_first_of(text ? "\"\t" : "\"", at);
        if (stop == std::string_view::npos) {
            if (ended)
                Refuse(number, static_cast<int64_t>(line.size()) + 1, Messages::LineBreakInCell());
            else
                Refuse(number, static_cast<int64_t>(quote) + 1, Messages::UnclosedQuote());
            return kRefused;
        }
        if (line[stop] == '\t') {
            Refuse(number, static_cast<int64_t>(stop) + 1, Messages::ControlCharacter('\t'));
            return kRefused;
        }
        cell.append(line.data() + at, stop - at);
        at = stop + 1;
        // A second quote stands for one; else the cell has ended.
        if (at < line.size() && line[at] == '"') {
            cell += '"';
            ++at;
            continue;
        }
        if (at < line.size() && line[at] != m_delimiter) {
            Refuse(number, static_cast<int64_t>(at) + 1, Messages::AfterClosingQuote());
            return kRefused;
        }
        return at;
    }
}

bool CsvParser::IsHeader(int64_t cells) const {
    const std::string_view last = Trimmed(m_cells[std::min<int64_t>(cells - 1, 5)]);
    return last.size() >= 2 && std::all_of(last.begin(), last.end(),
                                           [](char c) { return Cp1250::IsLetter(static_cast<uint8_t>(c)); });
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

// A cell, quoted where it must be, with each quote inside doubled.
void WriteCell(Utf8Output& out, const char* text) {
    const char* end = text + TextFieldLength(text);
    if (std::find(text, end, ';') == end && std::find(text, end, '"') == end) {
        out.Text(text, static_cast<size_t>(end - text));
        return;
    }
    out.Raw("\"");
    for (const char* quote; (quote = std::find(text, end, '"')) != end; text = quote + 1) {
        out.Text(text, static_cast<size_t>(quote - text));
        out.Raw("\"\"");
    }
    out.Text(text, static_cast<size_t>(end - text));
    out.Raw("\"");
}

void Write(const QuestionArray& questions, const std::string&, ByteSink& sink) {
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
