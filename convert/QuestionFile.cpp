#include "convert/QuestionFile.h"

#include "convert/AikenWriter.h"
#include "convert/ChunkBuffer.h"
#include "storage/Cp1250.h"
#include "convert/CsvWriter.h"
#include "convert/HtmlPage.h"
#include "convert/Messages.h"
#include "convert/TextFileReader.h"
#include "convert/Utf8Output.h"
#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"

#include <array>

namespace {

ReadResult ReadTestFile(ByteSource& source) {
    TestFileDecoder decoder(source.Size());
    ChunkBuffer chunk(source.Size());
    while (!decoder.IsComplete()) {
        const size_t got = source.Read(chunk.Data(), chunk.Size());
        if (got == 0 || !decoder.Feed(chunk.Data(), got))
            break;
    }
    if (decoder.Finish())
        return ReadResult{std::nullopt, decoder.TakeQuestions()};
    const bool tooLarge = decoder.Error() == DecodeError::OutOfMemory;
    return ReadResult{Refusal{0, 0, tooLarge ? Messages::TestTooLarge() : Messages::DamagedTest()},
                      QuestionArray()};
}

void WriteTestFile(const QuestionArray& questions, ByteSink& sink) {
    TestFileEncoder encoder(questions.Data(), questions.Count());
    ChunkBuffer chunk;
    while (const size_t got = encoder.Next(chunk.Data(), chunk.Size()))
        sink.Write(chunk.Data(), got);
}

// Which bytes are controls, NUL among them: looked up for every byte of every text.
using ControlTable = std::array<bool, 256>;

ControlTable MakeControlTable() {
    ControlTable controls{};
    for (int byte = 0; byte < 256; ++byte)
        controls[byte] = Cp1250::IsControl(static_cast<uint8_t>(byte));
    return controls;
}

// One pass: a text is clean when the first control in it is the NUL that ends it.
bool HoldsControl(const char* text, const ControlTable& controls) {
    const char* const end = text + kTextFieldSize - 1;
    const char* p = text;
    while (p != end && !controls[static_cast<uint8_t>(*p)])
        ++p;
    return p != end && *p != '\0';
}

// What both text formats need: an answer they can name, and texts that read back as one line of
// printable characters.
std::optional<std::string> CheckForText(const QuestionRecord& record, int32_t number,
                                        const ControlTable& controls) {
    if (record.correct < 0 || record.correct > 3)
        return Messages::NoRightAnswer(number);
    for (int field = 0; field < kTextFieldCount; ++field)
        if (HoldsControl(record.text[field], controls))
            return Messages::ControlInText(number, field);
    return std::nullopt;
}

} // namespace

ReadResult QuestionFile::Read(FileFormat format, ByteSource& source) {
    return format == FileFormat::TestFile ? ReadTestFile(source) : TextFileReader::Read(format, source);
}

std::optional<Refusal> QuestionFile::CheckExport(FileFormat format, const QuestionArray& questions) {
    // The page shows any text and judges a missing right answer as the program does.
    if (format == FileFormat::TestFile || format == FileFormat::Page)
        return std::nullopt;
    const ControlTable controls = MakeControlTable();
    for (int32_t i = 0; i < questions.Count(); ++i) {
        std::optional<std::string> reason = CheckForText(questions[i], i + 1, controls);
        if (!reason && format == FileFormat::Aiken)
            reason = AikenWriter::Check(questions[i], i + 1);
        if (reason)
            return Refusal{0, 0, *reason};
    }
    return std::nullopt;
}

void QuestionFile::Write(FileFormat format, const QuestionArray& questions, ByteSink& sink,
                         const std::string& testName) {
    switch (format) {
    case FileFormat::TestFile:
        WriteTestFile(questions, sink);
        break;
    case FileFormat::Aiken:
        AikenWriter::Write(questions, sink);
        break;
    case FileFormat::Csv:
        CsvWriter::Write(questions, sink);
        break;
    case FileFormat::Page: {
        Utf8Output out(sink);
        HtmlPage::Write(questions, testName, out);
        out.Flush();
        break;
    }
    }
}
