#pragma once
// The converter's command, whatever system it runs on: the format of each side by its extension,
// exactly one side a test, an existing target kept unless --force, and the one line that tells how
// it went. The files themselves go through a FileAccess.

#include "convert/CommandLine.h"
#include "convert/ConvertOutcome.h"
#include "convert/FileAccess.h"
#include "convert/formats/Format.h"

#include <optional>
#include <string>
#include <vector>

class ConvertCommand {
public:
    explicit ConvertCommand(FileAccess& files) : m_files(files) {}

    // "SOURCE TARGET [--force] [--groups N]": the arguments after the program's name, in UTF-8,
    // as line sorted them.
    ConvertOutcome Run(const CommandLine& line, const std::vector<std::string>& arguments);

    // Converts one file into another (both named as the user named them); groups only where the
    // target takes them.
    ConvertOutcome Convert(const std::string& source, const std::string& target, bool force,
                           std::optional<int> groups = std::nullopt);

private:
    ConvertOutcome ReadCheckAndSave(const std::string& source, const Format& from, const std::string& target,
                                    const Format& to, bool replace, int groups);

    FileAccess& m_files;
};
