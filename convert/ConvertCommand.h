#pragma once
// The converter's command line, whatever system it runs on: the format of each side by its
// extension, exactly one side a test, an existing target kept unless --force, and the one line
// that tells how it went. The files themselves go through a FileAccess.

#include "convert/FileAccess.h"
#include "convert/Format.h"

#include <string>
#include <vector>

struct ConvertOutcome {
    static constexpr int kDone = 0;
    static constexpr int kRefused = 1;
    static constexpr int kUsage = 2;

    // "FILE: reason", for a refusal that concerns a file as a whole.
    static ConvertOutcome Refused(const std::string& file, const std::string& reason) {
        return ConvertOutcome{kRefused, Refusal{0, 0, reason}.Describe(file)};
    }

    int exitCode;
    std::string message; // one line, UTF-8, without its line end
};

class ConvertCommand {
public:
    explicit ConvertCommand(FileAccess& files) : m_files(files) {}

    // "SOURCE TARGET [--force]": the arguments after the program's name, in UTF-8.
    ConvertOutcome Run(const std::vector<std::string>& arguments);

    // "--help", "-h" or "/?": the usage, as an answer.
    static bool IsHelp(const std::string& argument) {
        return argument == "--help" || argument == "-h" || argument == "/?";
    }

    // Converts one file into another (both named as the user named them).
    ConvertOutcome Convert(const std::string& source, const std::string& target, bool force);

private:
    ConvertOutcome ReadCheckAndSave(const std::string& source, const Format& from, const std::string& target,
                                    const Format& to, bool replace);

    FileAccess& m_files;
};
