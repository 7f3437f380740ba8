#pragma once
// "kvizar-convert SOURCE…", typed or what Explorer passes for files dropped onto the exe: each
// source is converted to a target of its own. An Aiken or CSV file becomes a test in the test
// folder beside the exe, named like the file, so that the program lists it; a test becomes an
// Aiken file beside itself. A name that is taken already is refused: nothing is replaced.

#include "convert/ConvertCommand.h"

#include <string>

class SourceListCommand {
public:
    explicit SourceListCommand(FileAccess& files) : m_files(files), m_command(files) {}

    // One source, named as Windows names it (UTF-16).
    ConvertOutcome Convert(const std::wstring& source);

private:
    ConvertOutcome ToTestFolder(const std::wstring& source, const std::wstring& name);
    ConvertOutcome ToNewFile(const std::wstring& source, const std::wstring& target);

    FileAccess& m_files;
    ConvertCommand m_command;
};
