#include "convert/formats/Format.h"

#include "convert/formats/AikenFormat.h"
#include "convert/formats/CsvFormat.h"
#include "convert/formats/HtmlPage.h"
#include "convert/Messages.h"
#include "convert/formats/ScormPackage.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/WordDocument.h"
#include "storage/Cp1250.h"
#include "storage/FileExtension.h"

#include <array>

namespace {

const Format* const kFormats[] = {&kTestFileFormat, &kAikenFormat,        &kCsvFormat,
                                  &kHtmlPageFormat, &kScormPackageFormat, &kWordDocumentFormat};

} // namespace

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
