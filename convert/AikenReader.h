#pragma once
// Reads Moodle's Aiken format: a line with the question, four lines "A) text" (or "A. text", the
// blank after the letter optional) for A to D in this order, then "ANSWER: X"; blank lines between
// questions. Lines are taken trimmed of spaces and tabs; anything else is refused with its line.

#include "convert/TextParser.h"

#include <algorithm>

class AikenReader : public TextParser {
public:
    // nonBlankLines from the first pass: every question takes six of them.
    explicit AikenReader(uint64_t nonBlankLines) : TextParser(nonBlankLines / 6) {}

protected:
    bool ParseChunk(const uint8_t* data, const uint8_t* end) override;
    bool FinishText() override;

private:
    // A line of a question, by its first characters.
    enum class LineKind { Blank, Question, Option, Answer };
    enum class Expect { Question, Option, Answer };

    // A piece of a line: up to its LF, or to the end of the chunk.
    bool OnPiece(const uint8_t* p, const uint8_t* end);
    void PendBlanks(const uint8_t* p, const uint8_t* end);
    bool FlushPendingBlanks();
    void Append(const uint8_t* data, size_t size);
    size_t Stored() const { return static_cast<size_t>(std::min<uint64_t>(m_length, sizeof m_text)); }
    size_t Room() const { return sizeof m_text - Stored(); }
    bool EndLine();
    LineKind Kind() const;
    bool OnQuestionLine(LineKind kind);
    bool OnOptionLine(LineKind kind);
    bool OnAnswerLine(LineKind kind);
    bool StoreText(int field, const char* text, uint64_t length);

    // The line as it is read: trimmed, and for an option without the blanks after "A)". Only as
    // much is kept as the longest line that fits ("A)" and 1023 characters); m_length counts on.
    char m_text[2 + kTextFieldSize - 1];
    uint64_t m_length = 0;
    uint64_t m_pendingBlanks = 0;   // blanks after the text so far: trailing unless text follows
    int64_t m_pendingTabColumn = 0; // the first tab among them, refused if they turn out inner
    bool m_afterPrefix = false;     // just after "A)": blanks here are not part of the text

    Expect m_expect = Expect::Question;
    int m_option = 0; // the option expected next, 0 for A
    int64_t m_questionLine = 0;
    QuestionRecord m_record{};
};
