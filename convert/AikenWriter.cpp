#include "convert/AikenWriter.h"

#include "convert/Messages.h"
#include "convert/TextField.h"
#include "convert/Utf8Output.h"

#include <cstring>

std::optional<std::string> AikenWriter::Check(const QuestionRecord& record, int32_t number) {
    for (int field = 0; field < kTextFieldCount; ++field) {
        const char* text = record.text[field];
        const size_t length = TextFieldLength(text);
        // The reader takes its lines trimmed: an empty text or blanks at either end do not come back.
        if (length == 0)
            return Messages::EmptyForAiken(number, field);
        if (text[0] == ' ' || text[length - 1] == ' ')
            return Messages::BlanksForAiken(number, field);
    }
    const char* question = record.text[FieldQuestion];
    const bool readsAsOption =
        question[0] >= 'A' && question[0] <= 'Z' && (question[1] == ')' || question[1] == '.');
    if (readsAsOption || std::strncmp(question, "ANSWER:", 7) == 0)
        return Messages::QuestionReadsAsLine(number);
    return std::nullopt;
}

void AikenWriter::Write(const QuestionArray& questions, ByteSink& sink) {
    Utf8Output out(sink);
    for (int32_t i = 0; i < questions.Count(); ++i) {
        const QuestionRecord& record = questions[i];
        out.Text(record.text[FieldQuestion], TextFieldLength(record.text[FieldQuestion]));
        out.Raw("\r\n", 2);
        for (int option = 0; option < 4; ++option) {
            const char prefix[] = {static_cast<char>('A' + option), ')', ' '};
            out.Raw(prefix, sizeof prefix);
            out.Text(record.text[FieldAnswer1 + option], TextFieldLength(record.text[FieldAnswer1 + option]));
            out.Raw("\r\n", 2);
        }
        const char answer[] = {
            'A',  'N',  'S',  'W', 'E', 'R', ':', ' ', static_cast<char>('A' + record.correct),
            '\r', '\n', '\r', '\n'};
        out.Raw(answer, sizeof answer);
    }
    out.Flush();
}
