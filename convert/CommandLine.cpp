#include "convert/CommandLine.h"

#include "convert/Messages.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/WordDocument.h"

namespace {

// "1" to "6" and nothing else: no sign, no blank, no leading zero that would hide a longer number.
std::optional<int> GroupCount(const std::string& value) {
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '0' + WordDocument::kMostGroups)
        return value[0] - '0';
    return std::nullopt;
}

} // namespace

const Format* CommandLine::OutputNamed(const std::string& value) {
    const Format* format = FormatOf("." + value);
    return format != nullptr && format != &kTestFileFormat && value == format->extension ? format : nullptr;
}

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    const auto note = [&line](ConvertOutcome mistake) {
        if (!line.mistake)
            line.mistake = mistake;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--force") {
            line.force = true;
        } else if (argument == "--to") {
            const std::string value = hasValue ? arguments[++i] : std::string();
            line.hasOutput = true;
            line.output = OutputNamed(value);
            if (line.output == nullptr)
                note(ConvertOutcome{ConvertOutcome::kUsage, Messages::UnknownOutput(value)});
        } else if (argument == "--groups") {
            const std::string value = hasValue ? arguments[++i] : std::string();
            line.groups = GroupCount(value);
            if (!line.groups)
                note(ConvertOutcome{ConvertOutcome::kRefused, Messages::BadGroups(value)});
        } else {
            line.files.push_back(i);
        }
    }
    return line;
}
