// kvizar-convert for Windows: "kvizar-convert SOURCE TARGET [--force] [--groups N]", and
// "kvizar-convert [--to OUTPUT] [--groups N] SOURCE…" for files named one by one, dropped onto the exe in
// Explorer or sent to it by a "Send to" entry. The arguments come in UTF-16 (wmain), so a name keeps every
// character whatever the system's code page.

#include "convert/Console.h"
#include "convert/Messages.h"
#include "convert/SourceListCommand.h"
#include "convert/WindowsFileAccess.h"
#include "convert/formats/AikenFormat.h"
#include "convert/formats/TestFileFormat.h"
#include "platform/Text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

void Print(const ConvertOutcome& outcome) {
    const bool done = outcome.exitCode == ConvertOutcome::kDone;
    Console::WriteLine(done ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE, outcome.message);
}

bool IsTest(const std::string& argument) {
    return FormatOf(argument) == &kTestFileFormat;
}

// --force, or two names of which exactly one is a test, make the two-argument form; --to, or any
// other list, names sources. Files dropped together all exist, so a test and a text file dropped as a pair
// are refused like any existing target, and nothing is written.
bool IsSourceAndTarget(const CommandLine& line, const std::vector<std::string>& arguments) {
    if (line.hasOutput)
        return false;
    if (line.force)
        return true;
    return line.files.size() == 2 && IsTest(arguments[line.files[0]]) != IsTest(arguments[line.files[1]]);
}

int ConvertPair(const CommandLine& line, const std::vector<std::wstring>& arguments,
                const std::vector<std::string>& utf8) {
    for (const size_t file : line.files) {
        if (!IsWellFormedUtf16(arguments[file])) {
            Print(ConvertOutcome::Refused(utf8[file], Messages::UnpairedSurrogate()));
            return ConvertOutcome::kRefused;
        }
    }
    WindowsFileAccess files;
    const ConvertOutcome outcome = ConvertCommand(files).Run(line, utf8);
    Print(outcome);
    return outcome.exitCode;
}

// Asked for, the usage is the answer (standard output, exit code 0); otherwise a mistake.
int ShowUsage(bool asked) {
    const DWORD stream = asked ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    Console::WriteLine(stream, Messages::Usage());
    Console::WriteLine(stream, Messages::DropUsage());
    return asked ? ConvertOutcome::kDone : ConvertOutcome::kUsage;
}

// Every source in turn, whatever became of the one before; the exit code tells whether any failed.
// "--to OUTPUT" anywhere in the list chooses what a test becomes. A mistake in the options stops
// everything before a file is touched.
int ConvertEach(const CommandLine& line, const std::vector<std::wstring>& arguments) {
    const Format* output = line.hasOutput ? line.output : &kAikenFormat;
    std::optional<ConvertOutcome> mistake = line.mistake;
    if (!mistake && line.groups && !output->takesGroups)
        mistake = ConvertOutcome{ConvertOutcome::kRefused, Messages::GroupsNotForOutput()};
    if (mistake) {
        Print(*mistake);
        return mistake->exitCode;
    }
    if (line.files.empty())
        return ShowUsage(false);
    WindowsFileAccess files;
    SourceListCommand command(files, *output, line.groups);
    int exitCode = ConvertOutcome::kDone;
    for (const size_t file : line.files) {
        const ConvertOutcome outcome = command.Convert(arguments[file]);
        Print(outcome);
        exitCode = std::max(exitCode, outcome.exitCode);
    }
    return exitCode;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    std::vector<std::string> utf8;
    for (const std::wstring& argument : arguments)
        utf8.push_back(Utf8FromWide(argument));
    const CommandLine line = CommandLine::Parse(utf8);
    // The two-argument form is typed or scripted, and never waits: under Wine, a process started
    // from a terminal (as the build starts it for the sample test) looks alone on its console too.
    if (IsSourceAndTarget(line, utf8))
        return ConvertPair(line, arguments, utf8);
    if (arguments.size() == 1 && CommandLine::IsHelp(utf8[0]))
        return ShowUsage(true);
    const int exitCode = arguments.empty() ? ShowUsage(false) : ConvertEach(line, arguments);
    // Started by Explorer, the window closes with the process: let the user read it first.
    if (Console::IsOwnWindow())
        Console::WaitForEnter();
    return exitCode;
}
