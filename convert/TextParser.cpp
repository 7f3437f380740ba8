#include "convert/TextParser.h"

bool TextParser::Parse(const uint8_t* data, size_t size) {
    if (m_refused)
        return false;
    m_chunk = data;
    const bool parsed = ParseChunk(data, data + size);
    m_chunkOffset += size;
    m_chunk = nullptr;
    return parsed;
}

bool TextParser::Finish() {
    if (m_refused || !FinishText())
        return false;
    std::string reason;
    return m_questions.Finish(reason) || Refuse(0, 0, reason);
}

void TextParser::RefuseNext(const std::string& reason) {
    if (!m_refused)
        Refuse(m_line, static_cast<int64_t>(m_chunkOffset - m_lineStart) + 1, reason);
}

void TextParser::StartLine(const uint8_t* next) {
    ++m_line;
    m_lineStart = OffsetOf(next);
}

int64_t TextParser::ColumnOf(const uint8_t* at) const {
    return static_cast<int64_t>(OffsetOf(at) - m_lineStart) + 1;
}

bool TextParser::Refuse(int64_t line, int64_t column, const std::string& reason) {
    m_refused = true;
    m_refusal = Refusal{line, column, reason};
    return false;
}

bool TextParser::AddQuestion(const QuestionRecord& record) {
    std::string reason;
    return m_questions.Add(record, reason) || RefuseLine(reason);
}
