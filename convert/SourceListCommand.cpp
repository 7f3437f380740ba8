#include "convert/SourceListCommand.h"

#include "convert/Messages.h"
#include "convert/formats/TestFileFormat.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "storage/Cp1250Check.h"
#include "storage/FileExtension.h"
#include "storage/TestFolder.h"
#include "storage/TestName.h"

ConvertOutcome SourceListCommand::Convert(const std::wstring& source) {
    const std::string shown = Utf8FromWide(source);
    if (!IsWellFormedUtf16(source))
        return ConvertOutcome::Refused(shown, Messages::UnpairedSurrogate());
    const Format* format = FormatOf(shown);
    if (format == nullptr || format->read == nullptr)
        return ConvertOutcome::Refused(shown, Messages::UnknownFormat());
    const size_t dot = ExtensionDot(source);
    if (format == &kTestFileFormat)
        return ToNewFile(source, source.substr(0, dot) + L"." + WideFromUtf8(m_testOutput.extension),
                         m_groups);
    const size_t nameStart = source.find_last_of(L"\\/") + 1; // 0 where there is no folder
    return ToTestFolder(source, source.substr(nameStart, dot - nameStart));
}

// The test's name is the file's: it must be one the program can list and open, so every character
// must have its Windows-1250 byte, and the name must pass the name dialog's checks.
ConvertOutcome SourceListCommand::ToTestFolder(const std::wstring& source, const std::wstring& name) {
    const auto misfits = Cp1250Check::Find(std::u16string(name.begin(), name.end()));
    if (!misfits.empty())
        return ConvertOutcome::Refused(Utf8FromWide(source),
                                       Messages::NameNotInCodePage(misfits[0].character));
    const CString bytes = FromWide(name.c_str()); // every character has its byte
    if (!IsUsableTestName(bytes))
        return ConvertOutcome::Refused(Utf8FromWide(source), Messages::NotATestName());
    // A folder made for a test that is then refused goes again: a refusal writes nothing.
    const std::wstring folder = TestFolderPath();
    const bool madeFolder = AfxCreateDirectory(folder);
    ConvertOutcome outcome = ToNewFile(source, BuildTestPath(bytes));
    if (madeFolder && outcome.exitCode != ConvertOutcome::kDone)
        RemoveDirectoryW(ExtendedLengthPath(folder).c_str());
    return outcome;
}

ConvertOutcome SourceListCommand::ToNewFile(const std::wstring& source, const std::wstring& target,
                                            std::optional<int> groups) {
    const std::string shownTarget = Utf8FromWide(target);
    if (m_files.Exists(shownTarget))
        return ConvertOutcome::Refused(shownTarget, Messages::KeptExisting());
    return m_command.Convert(Utf8FromWide(source), shownTarget, false, groups);
}
