#pragma once
// "kvizar-convert SOURCE…", typed or what Explorer passes for files dropped onto the exe: each
// source is converted to a target of its own. An Aiken or CSV file becomes a test in the test
// folder beside the exe, named like the file, so that the program lists it; a test becomes a file
// beside itself, Aiken unless another output was chosen ("--to zip", as Explorer's "Send to"
// entries pass it), with the groups asked for where the output takes them. A name that is taken
// already is refused: nothing is replaced.

#include "convert/ConvertCommand.h"

#include <optional>
#include <string>

class SourceListCommand {
public:
    SourceListCommand(FileAccess& files, const Format& testOutput, std::optional<int> groups)
        : m_files(files), m_command(files), m_testOutput(testOutput), m_groups(groups) {}

    // One source, named as Windows names it (UTF-16).
    ConvertOutcome Convert(const std::wstring& source);

private:
    ConvertOutcome ToTestFolder(const std::wstring& source, const std::wstring& name);
    ConvertOutcome ToNewFile(const std::wstring& source, const std::wstring& target,
                             std::optional<int> groups = std::nullopt);

    FileAccess& m_files;
    ConvertCommand m_command;
    const Format& m_testOutput;
    std::optional<int> m_groups;
};
