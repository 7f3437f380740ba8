#pragma once
// How one conversion, or a command line as a whole, went: the exit code and the one line that
// tells it.

#include "convert/Refusal.h"

#include <string>

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
