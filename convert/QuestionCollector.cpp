#include "convert/QuestionCollector.h"

#include "convert/Messages.h"

#include <algorithm>
#include <cstring>

bool QuestionCollector::Add(const QuestionRecord& record, std::string& reason) {
    if (m_count == kMostQuestions) {
        reason = Messages::TooManyQuestions();
        return false;
    }
    if (m_questions.IsEmpty()) {
        const uint64_t size = std::min<uint64_t>(m_bound, kMostQuestions);
        m_questions = QuestionArray::Allocate(static_cast<int32_t>(size));
    }
    if (m_count == m_questions.Count()) {
        reason = Messages::ChangedWhileRead();
        return false;
    }
    std::memcpy(&m_questions[m_count++], &record, sizeof record);
    return true;
}

bool QuestionCollector::Finish(std::string& reason) {
    if (m_count == 0)
        reason = Messages::NoQuestion();
    else if (m_count != m_questions.Count())
        reason = Messages::ChangedWhileRead();
    return reason.empty();
}
