// kvizar-convert for Linux: the two-argument form only, "kvizar-convert SOURCE TARGET [--force]
// [--groups N]".
// Arguments and messages are UTF-8, as a Linux terminal has them.

#include "convert/ConvertCommand.h"
#include "fuzz/NativeFileAccess.h"

#include <cstdio>

int main(int argc, char** argv) {
    NativeFileAccess files;
    ConvertCommand command(files);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ConvertOutcome outcome = command.Run(CommandLine::Parse(arguments), arguments);
    std::FILE* stream = outcome.exitCode == ConvertOutcome::kDone ? stdout : stderr;
    std::fprintf(stream, "%s\n", outcome.message.c_str());
    return outcome.exitCode;
}
