#pragma once
// The converter's arguments, sorted once for both front ends: the options (--force, --to OUTPUT,
// --groups N, anywhere among the files) and which arguments name files. A mistake in an option
// is kept to be told, not acted on: the front end first decides whether it was typed or came from
// Explorer.

#include "convert/ConvertOutcome.h"
#include "convert/formats/Format.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    // Arguments in UTF-8; options are ASCII, so a file name that is no well-formed text still
    // sorts as a file.
    static CommandLine Parse(const std::vector<std::string>& arguments);

    // "--help", "-h" or "/?": the usage, as an answer.
    static bool IsHelp(const std::string& argument) {
        return argument == "--help" || argument == "-h" || argument == "/?";
    }

    // The output "--to VALUE" names: a format the converter writes other than a test, by its
    // extension (html, zip, docx, csv, txt); nullptr for any other value.
    static const Format* OutputNamed(const std::string& value);

    // The first option that could not be taken.
    std::optional<ConvertOutcome> mistake;
    std::vector<size_t> files; // the positions of the arguments that name files
    bool force = false;
    bool hasOutput = false;         // --to was given
    const Format* output = nullptr; // and names this format
    std::optional<int> groups;      // --groups, 1 to 6
};
