// kvizar-convert for Windows: "kvizar-convert SOURCE TARGET [--force]", and "kvizar-convert
// [--to OUTPUT] SOURCE…" for files named one by one, dropped onto the exe in Explorer or sent to
// it by a "Send to" entry. The arguments come in UTF-16 (wmain), so a name keeps every character
// whatever the system's code page.

#include "convert/AikenFormat.h"
#include "convert/Console.h"
#include "convert/SourceListCommand.h"
#include "convert/Messages.h"
#include "platform/Text.h"
#include "convert/WindowsFileAccess.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

void Print(const ConvertOutcome& outcome) {
    const bool done = outcome.exitCode == ConvertOutcome::kDone;
    Console::WriteLine(done ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE, outcome.message);
}

bool IsTest(const std::wstring& argument) {
    return FormatOf(Utf8FromWide(argument)) == &kTestFileFormat;
}

// --force, or two names of which exactly one is a test, make the two-argument form; --to, or any
// other list, names sources. Files dropped together all exist, so a test and a text file dropped as a pair
// are refused like any existing target, and nothing is written.
bool IsSourceAndTarget(const std::vector<std::wstring>& arguments) {
    if (std::find(arguments.begin(), arguments.end(), L"--to") != arguments.end())
        return false;
    if (std::find(arguments.begin(), arguments.end(), L"--force") != arguments.end())
        return true;
    return arguments.size() == 2 && IsTest(arguments[0]) != IsTest(arguments[1]);
}

int ConvertPair(const std::vector<std::wstring>& arguments) {
    std::vector<std::string> utf8;
    for (const std::wstring& argument : arguments) {
        if (!IsWellFormedUtf16(argument)) {
            Print(ConvertOutcome::Refused(Utf8FromWide(argument), Messages::UnpairedSurrogate()));
            return ConvertOutcome::kRefused;
        }
        utf8.push_back(Utf8FromWide(argument));
    }
    WindowsFileAccess files;
    const ConvertOutcome outcome = ConvertCommand(files).Run(utf8);
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
// "--to OUTPUT" anywhere in the list chooses what a test becomes.
int ConvertEach(std::vector<std::wstring> sources) {
    const Format* output = &kAikenFormat;
    const auto option = std::find(sources.begin(), sources.end(), L"--to");
    if (option != sources.end()) {
        const std::string value = option + 1 == sources.end() ? std::string() : Utf8FromWide(option[1]);
        output = SourceListCommand::OutputNamed(value);
        if (output == nullptr) {
            Print(ConvertOutcome{ConvertOutcome::kUsage, Messages::UnknownOutput(value)});
            return ConvertOutcome::kUsage;
        }
        sources.erase(option, option + 2);
        if (sources.empty())
            return ShowUsage(false);
    }
    WindowsFileAccess files;
    SourceListCommand command(files, *output);
    int exitCode = ConvertOutcome::kDone;
    for (const std::wstring& source : sources) {
        const ConvertOutcome outcome = command.Convert(source);
        Print(outcome);
        exitCode = std::max(exitCode, outcome.exitCode);
    }
    return exitCode;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    // The two-argument form is typed or scripted, and never waits: under Wine, a process started
    // from a terminal (as the build starts it for the sample test) looks alone on its console too.
    if (IsSourceAndTarget(arguments))
        return ConvertPair(arguments);
    if (arguments.size() == 1 && ConvertCommand::IsHelp(Utf8FromWide(arguments[0])))
        return ShowUsage(true);
    const int exitCode = arguments.empty() ? ShowUsage(false) : ConvertEach(arguments);
    // Started by Explorer, the window closes with the process: let the user read it first.
    if (Console::IsOwnWindow())
        Console::WaitForEnter();
    return exitCode;
}
