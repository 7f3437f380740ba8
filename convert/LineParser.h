#pragma once
// What the Aiken and CSV readers share: they take a file's lines whole, decoded to the test's
// Windows-1250 bytes (see LineReader), stop at the first refusal, and gather their questions.

#include "convert/formats/Format.h"
#include "storage/Cp1250.h"

#include <string_view>

class LineParser {
public:
    // fileSize bounds how many questions the file can hold: the array is sized from it once.
    explicit LineParser(uint64_t fileSize) : m_fileSize(fileSize) {}
    virtual ~LineParser() = default;

    // One line without its line end; ended says a line break ended it (the file's last line may
    // end with the file instead). False once refused; the refusal is sticky.
    virtual bool Parse(std::string_view line, int64_t number, bool ended) = 0;
    // After the last line: false when the file ends where it may not, or holds no question.
    bool Finish();

    bool Refuse(int64_t line, int64_t column, const std::string& reason);
    bool IsRefused() const { return m_refusal.has_value(); }
    // The questions, or the refusal.
    ReadResult Take();

protected:
    virtual bool FinishText() = 0;
    int32_t Count() const { return m_count; }
    // Tells the user that a first row was skipped as a header; text is its first cell.
    void SkipHeader(const std::string& text) { m_skippedHeader = Cp1250::ToUtf8(text); }
    // Adds a finished question, refusing on its line when it cannot be taken.
    bool Add(const QuestionRecord& record, int64_t line);

private:
    uint64_t m_fileSize;
    QuestionArray m_questions;
    int32_t m_count = 0;
    std::optional<Refusal> m_refusal;
    std::optional<std::string> m_skippedHeader;
};

// The blanks a line or a cell is trimmed of.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
