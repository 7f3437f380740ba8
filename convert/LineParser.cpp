#include "convert/LineParser.h"

#include "convert/Messages.h"

#include <algorithm>
#include <cstring>

namespace {
// The fewest bytes a question takes in either format: ";;;;;A" and its line end.
constexpr uint64_t kFewestBytesPerQuestion = 7;
} // namespace

bool LineParser::Finish() {
    if (IsRefused() || !FinishText())
        return false;
    return m_count > 0 || Refuse(0, 0, Messages::NoQuestion());
}

bool LineParser::Refuse(int64_t line, int64_t column, const std::string& reason) {
    if (!IsRefused())
        m_refusal = Refusal{line, column, reason};
    return false;
}

bool LineParser::Add(const QuestionRecord& record, int64_t line) {
    if (m_count == kMaxQuestionCount)
        return Refuse(line, 0, Messages::TooManyQuestions());
    // One block for every question the file can hold, allocated once: pages the questions never
    // reach are never touched, so they take no memory.
    if (m_questions.IsEmpty()) {
        const uint64_t most = std::min<uint64_t>(m_fileSize / kFewestBytesPerQuestion + 1, kMaxQuestionCount);
        m_questions = QuestionArray::Allocate(static_cast<int32_t>(most));
        if (m_questions.IsEmpty())
            return Refuse(line, 0, Messages::TestTooLarge());
    }
    // More than the size allowed: the file grew while it was read.
    if (m_count == m_questions.Count())
        return Refuse(line, 0, Messages::ChangedWhileRead());
    std::memcpy(&m_questions[m_count++], &record, sizeof record);
    return true;
}

ReadResult LineParser::Take() {
    if (IsRefused())
        return ReadResult{m_refusal, QuestionArray(), std::nullopt};
    m_questions.Truncate(m_count);
    return ReadResult{std::nullopt, std::move(m_questions), m_skippedHeader};
}
