#include "convert/ConvertCommand.h"

#include "convert/Messages.h"
#include "convert/formats/TestFileFormat.h"
#include "storage/FileExtension.h"

namespace {

// The test's name, as the program shows it: the test file's name without its folder and extension.
std::string TestNameOf(const std::string& path) {
    const std::string name = path.substr(path.find_last_of("/\\") + 1); // all of it without a folder
    return name.substr(0, ExtensionDot(name));
}

} // namespace

ConvertOutcome ConvertCommand::Run(const CommandLine& line, const std::vector<std::string>& arguments) {
    if (arguments.size() == 1 && CommandLine::IsHelp(arguments[0]))
        return ConvertOutcome{ConvertOutcome::kDone, Messages::Usage()};
    if (line.mistake)
        return *line.mistake;
    if (line.files.size() != 2 || line.hasOutput)
        return ConvertOutcome{ConvertOutcome::kUsage, Messages::Usage()};
    return Convert(arguments[line.files[0]], arguments[line.files[1]], line.force, line.groups);
}

ConvertOutcome ConvertCommand::Convert(const std::string& source, const std::string& target, bool force,
                                       std::optional<int> groups) {
    const Format* from = FormatOf(source);
    const Format* to = FormatOf(target);
    if (from == nullptr)
        return ConvertOutcome::Refused(source, Messages::UnknownFormat());
    if (from->read == nullptr)
        return ConvertOutcome::Refused(source, Messages::PageNotRead());
    if (to == nullptr)
        return ConvertOutcome::Refused(target, Messages::UnknownFormat());
    if ((from == &kTestFileFormat) == (to == &kTestFileFormat))
        return ConvertOutcome{ConvertOutcome::kUsage, Messages::OneSideTest()};
    if (groups && !to->takesGroups)
        return ConvertOutcome{ConvertOutcome::kRefused, Messages::GroupsNotForOutput()};
    if (!force && m_files.Exists(target))
        return ConvertOutcome::Refused(target, Messages::TargetExists());
    try {
        return ReadCheckAndSave(source, *from, target, *to, force,
                                groups.value_or(WriteOptions::kDefaultGroups));
    } catch (const FileAccessError& error) {
        return ConvertOutcome{ConvertOutcome::kRefused, error.what()};
    } catch (const WriteRefusal& refusal) {
        return ConvertOutcome::Refused(target, refusal.what());
    }
}

ConvertOutcome ConvertCommand::ReadCheckAndSave(const std::string& source, const Format& from,
                                                const std::string& target, const Format& to, bool replace,
                                                int groups) {
    ReadResult read = from.read(*m_files.OpenForReading(source));
    if (!read.refusal)
        read.refusal = CheckExport(to, read.questions);
    if (read.refusal)
        return ConvertOutcome{ConvertOutcome::kRefused, read.refusal->Describe(source)};
    const WriteOptions options{TestNameOf(&from == &kTestFileFormat ? source : target), groups};
    if (!m_files.SaveSafely(target, replace,
                            [&](ByteSink& sink) { to.write(read.questions, options, sink); }))
        return ConvertOutcome::Refused(target, Messages::TargetExists());
    const std::string header =
        read.skippedHeader ? Messages::SkippedHeader(*read.skippedHeader) : std::string();
    return ConvertOutcome{ConvertOutcome::kDone,
                          Messages::Converted(read.questions.Count(), target) + header};
}
