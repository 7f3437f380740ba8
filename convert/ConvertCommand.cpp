#include "convert/ConvertCommand.h"

#include "convert/FileAccessError.h"
#include "convert/Messages.h"
#include "convert/QuestionFile.h"

#include <algorithm>
#include <cctype>

namespace {

ConvertOutcome Refused(const std::string& file, const Refusal& refusal) {
    return ConvertOutcome{ConvertOutcome::kRefused, refusal.Describe(file)};
}

// A test's name is its file's name without the folder and the extension.
std::string TestName(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    const std::string file = separator == std::string::npos ? path : path.substr(separator + 1);
    return file.substr(0, file.find_last_of('.'));
}

} // namespace

std::optional<FileFormat> ConvertCommand::FormatOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t separator = path.find_last_of("/\\");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "tst")
        return FileFormat::TestFile;
    if (extension == "txt")
        return FileFormat::Aiken;
    if (extension == "csv")
        return FileFormat::Csv;
    if (extension == "html" || extension == "htm")
        return FileFormat::Page;
    return std::nullopt;
}

ConvertOutcome ConvertCommand::Run(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool force = false;
    for (const std::string& argument : arguments) {
        if (argument == "--force")
            force = true;
        else
            files.push_back(argument);
    }
    if (files.size() != 2)
        return ConvertOutcome{ConvertOutcome::kUsage, Messages::Usage()};
    return Convert(files[0], files[1], force);
}

ConvertOutcome ConvertCommand::Convert(const std::string& source, const std::string& target, bool force) {
    const std::optional<FileFormat> from = FormatOf(source);
    const std::optional<FileFormat> to = FormatOf(target);
    if (!from)
        return ConvertOutcome::Refused(source, Messages::UnknownFormat());
    if (!to)
        return ConvertOutcome::Refused(target, Messages::UnknownFormat());
    if (*from == FileFormat::Page)
        return ConvertOutcome::Refused(source, Messages::PageNotRead());
    if ((*from == FileFormat::TestFile) == (*to == FileFormat::TestFile))
        return ConvertOutcome{ConvertOutcome::kUsage, Messages::OneSideTest()};
    if (!force && m_files.Exists(target))
        return ConvertOutcome::Refused(target, Messages::TargetExists());
    return ReadCheckAndSave(source, *from, target, *to, force);
}

ConvertOutcome ConvertCommand::ReadCheckAndSave(const std::string& source, FileFormat from,
                                                const std::string& target, FileFormat to, bool replace) {
    ReadResult read;
    try {
        std::unique_ptr<ByteSource> input = m_files.OpenForReading(source);
        read = QuestionFile::Read(from, *input);
    } catch (const FileAccessError& error) {
        return ConvertOutcome::Refused(source, error.what());
    }
    if (read.refusal)
        return Refused(source, *read.refusal);
    if (const std::optional<Refusal> refusal = QuestionFile::CheckExport(to, read.questions))
        return Refused(source, *refusal);
    try {
        m_files.SaveSafely(target, replace, [&](ByteSink& sink) {
            QuestionFile::Write(to, read.questions, sink, TestName(source));
        });
    } catch (const FileAccessError& error) {
        return ConvertOutcome::Refused(target, error.what());
    }
    return ConvertOutcome{ConvertOutcome::kDone, Messages::Converted(read.questions.Count(), target)};
}
