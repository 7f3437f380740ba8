#include "convert/Format.h"

#include "convert/AikenFormat.h"
#include "convert/CsvFormat.h"
#include "convert/HtmlPage.h"
#include "convert/Messages.h"
#include "convert/ScormPackage.h"
#include "storage/Cp1250.h"
#include "storage/FileExtension.h"
#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"

#include <array>

namespace {

ReadResult ReadTest(ByteSource& source) {
    DecodeResult decoded = DecodeTestFile(
        source.Size(), [&source](uint8_t* buffer, size_t capacity) { return source.Read(buffer, capacity); });
    if (decoded.error == DecodeError::None)
        return ReadResult{std::nullopt, std::move(decoded.questions), std::nullopt};
    const bool tooLarge = decoded.error == DecodeError::OutOfMemory;
    return ReadResult{Refusal{0, 0, tooLarge ? Messages::TestTooLarge() : Messages::DamagedTest()},
                      QuestionArray(), std::nullopt};
}

void WriteTest(const QuestionArray& questions, const std::string&, ByteSink& sink) {
    TestFileEncoder::WriteAll(questions,
                              [&sink](const uint8_t* data, size_t size) { sink.Write(data, size); });
}

const Format* const kFormats[] = {&kTestFileFormat, &kAikenFormat, &kCsvFormat, &kHtmlPageFormat,
                                  &kScormPackageFormat};

} // namespace

const Format kTestFileFormat = {"tst", ReadTest, nullptr, WriteTest};

const Format* FormatOf(const std::string& path) {
    for (const Format* format : kFormats)
        if (HasExtension(path, format->extension))
            return format;
    return nullptr;
}

std::optional<Refusal> CheckExport(const Format& format, const QuestionArray& questions) {
    if (format.check == nullptr)
        return std::nullopt;
    for (int32_t i = 0; i < questions.Count(); ++i)
        if (std::optional<std::string> reason = format.check(questions[i], i + 1))
            return Refusal{0, 0, *reason};
    return std::nullopt;
}

std::optional<std::string> CheckText(const QuestionRecord& record, int32_t number) {
    // Looked up for every byte of every text, NUL among them: a text is clean when the first
    // control in it is the NUL that ends it.
    static const std::array<bool, 256> kControls = [] {
        std::array<bool, 256> controls{};
        for (int byte = 0; byte < 256; ++byte)
            controls[byte] = Cp1250::IsControl(static_cast<uint8_t>(byte));
        return controls;
    }();
    if (record.correct < 0 || record.correct > 3)
        return Messages::NoRightAnswer(number);
    for (int field = 0; field < kTextFieldCount; ++field) {
        const char* p = record.text[field];
        const char* const end = p + kTextFieldSize - 1;
        while (p != end && !kControls[static_cast<uint8_t>(*p)])
            ++p;
        if (p != end && *p != '\0')
            return Messages::ControlInText(number, field);
    }
    return std::nullopt;
}
