#include "convert/CsvWriter.h"

#include "convert/FindByte.h"
#include "convert/Messages.h"
#include "convert/TextField.h"
#include "convert/Utf8Output.h"

namespace {

// A cell, quoted where it must be, with each quote inside doubled.
void WriteCell(Utf8Output& out, const char* text) {
    const char* end = text + TextFieldLength(text);
    if (FindByte(text, end, ';') == end && FindByte(text, end, '"') == end) {
        out.Text(text, static_cast<size_t>(end - text));
        return;
    }
    out.Raw("\"", 1);
    for (const char* quote; (quote = FindByte(text, end, '"')) != end; text = quote + 1) {
        out.Text(text, static_cast<size_t>(quote - text));
        out.Raw("\"\"", 2);
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
