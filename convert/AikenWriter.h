#pragma once
// Writes questions in the Aiken format as Moodle's own export does: the question, "A) text" to
// "D) text", "ANSWER: B" and a blank line; UTF-8 without a byte order mark, CRLF line ends.

#include "convert/ByteSink.h"
#include "storage/QuestionArray.h"

#include <optional>
#include <string>

class AikenWriter {
public:
    // Why Aiken cannot carry the question (number from 1) back unchanged, or nothing: an empty
    // text, blanks around one, a question that would read as an option or ANSWER line.
    static std::optional<std::string> Check(const QuestionRecord& record, int32_t number);

    // Writes questions that passed the checks.
    static void Write(const QuestionArray& questions, ByteSink& sink);
};
