#include "convert/CsvWriter.h"

#include "convert/Messages.h"
#include "convert/TextField.h"
#include "convert/Utf8Output.h"

#include <cstring>

namespace {

// A cell, quoted where it must be, with each quote inside doubled.
void WriteCell(Utf8Output& out, const char* text) {
    const size_t length = TextFieldLength(text);
    if (!std::memchr(text, ';', length) && !std::memchr(text, '"', length)) {
        out.Text(text, length);
        return;
    }
    out.Raw("\"", 1);
    const char* end = text + length;
    while (const char* quote =
               static_cast<const char*>(std::memchr(text, '"', static_cast<size_t>(end - text)))) {
        out.Text(text, static_cast<size_t>(quote - text));
        out.Raw("\"\"", 2);
        text = quote + 1;
    }
    out.Text(text, static_cast<size_t>(end - text));
    out.Raw("\"", 1);
}

} // namespace

void CsvWriter::Write(const QuestionArray& questions, ByteSink& sink) {
    Utf8Output out(sink);
    out.Raw("\xEF\xBB\xBF", 3);
    out.Raw(Messages::CsvHeader());
    out.Raw("\r\n", 2);
    for (int32_t i = 0; i < questions.Count(); ++i) {
        for (const char* text : questions[i].text) {
            WriteCell(out, text);
            out.Raw(";", 1);
        }
        const char answer[] = {static_cast<char>('A' + questions[i].correct), '\r', '\n'};
        out.Raw(answer, sizeof answer);
    }
    out.Flush();
}
