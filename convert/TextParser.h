#pragma once
// What the Aiken and CSV readers share: they read decoded text (see TextDecoder) chunk by chunk,
// know the line and column of every character for a refusal, stop at the first refusal, and
// gather their questions.

#include "convert/QuestionCollector.h"
#include "convert/Refusal.h"

#include <cstddef>
#include <cstdint>
#include <string>

class TextParser {
public:
    explicit TextParser(uint64_t bound) : m_questions(bound) {}
    virtual ~TextParser() = default;

    // Reads the next chunk. False once refused; the refusal is sticky.
    bool Parse(const uint8_t* data, size_t size);
    // After the last chunk: false when the text ends where it may not, or holds no question.
    bool Finish();

    // Refuses at the character that comes next: the decoder could not read it.
    void RefuseNext(const std::string& reason);

    bool IsRefused() const { return m_refused; }
    const Refusal& GetRefusal() const { return m_refusal; }
    // The questions after a successful Finish.
    QuestionArray TakeQuestions() { return m_questions.Take(); }

protected:
    virtual bool ParseChunk(const uint8_t* data, const uint8_t* end) = 0;
    virtual bool FinishText() = 0;

    // Call with the first byte after each LF.
    void StartLine(const uint8_t* next);
    int64_t Line() const { return m_line; }
    int64_t ColumnOf(const uint8_t* at) const;

    bool Refuse(int64_t line, int64_t column, const std::string& reason);
    bool RefuseLine(const std::string& reason) { return Refuse(m_line, 0, reason); }
    bool RefuseAt(const uint8_t* at, const std::string& reason) {
        return Refuse(m_line, ColumnOf(at), reason);
    }
    // Adds a finished question, refusing on the current line when it cannot be taken.
    bool AddQuestion(const QuestionRecord& record);

    QuestionCollector m_questions;

private:
    uint64_t OffsetOf(const uint8_t* at) const { return m_chunkOffset + static_cast<uint64_t>(at - m_chunk); }

    const uint8_t* m_chunk = nullptr;
    uint64_t m_chunkOffset = 0; // of the chunk's first byte, counted over everything decoded
    uint64_t m_lineStart = 0;   // offset of the current line's first byte
    int64_t m_line = 1;
    bool m_refused = false;
    Refusal m_refusal;
};
