#pragma once
// Gathers a text file's questions into one array, allocated once at the first question. Its size
// comes from the first pass (the most questions the lines can hold), which for every file the
// readers accept is exactly the number of questions: no growing, no second copy.

#include "storage/QuestionArray.h"

#include <string>
#include <utility>

class QuestionCollector {
public:
    static constexpr int32_t kMostQuestions = 50000; // what the new-test dialog allows

    explicit QuestionCollector(uint64_t bound) : m_bound(bound) {}

    // Lowers the bound before the first question (a CSV header takes a line, not a question).
    void LowerBound() { --m_bound; }

    // Copies one question in. False, with the reason, for the 50,001st question, or one more than
    // the first pass counted (the file changed between the passes).
    bool Add(const QuestionRecord& record, std::string& reason);

    // After the last question: false, with the reason, when there was none, or fewer than the
    // array was allocated for.
    bool Finish(std::string& reason);

    QuestionArray Take() { return std::move(m_questions); }

private:
    uint64_t m_bound;
    QuestionArray m_questions;
    int32_t m_count = 0;
};
