#pragma once
// The kinds of file the converter moves questions between. Each is one entry of the table that
// FormatOf looks in: its extension, its reader (none for a format that is only written), what it
// cannot carry, its writer, and whether it takes groups.

#include "convert/FileAccess.h"
#include "convert/Refusal.h"
#include "storage/QuestionArray.h"

#include <optional>
#include <stdexcept>
#include <string>

// What reading a file of questions gives: the questions, or why there are none.
struct ReadResult {
    std::optional<Refusal> refusal;
    QuestionArray questions; // empty when refused
    // The first cell of a first row taken for a header and skipped (UTF-8): the user is told.
    std::optional<std::string> skippedHeader;
};

// What a writer is told beside the questions.
struct WriteOptions {
    static constexpr int kDefaultGroups = 2;

    std::string testName;        // UTF-8
    int groups = kDefaultGroups; // of a test on paper, 1 to 6
};

// A test that a writer finds it cannot write after all, when it has begun (a document that would
// pass what its file can hold): the reason, in Czech. The target is left as it was.
class WriteRefusal : public std::runtime_error {
public:
    explicit WriteRefusal(const std::string& reason) : std::runtime_error(reason) {}
};

struct Format {
    const char* extension; // lower case, without its dot
    // Reads a whole file; nullptr where the format is only written. Throws FileAccessError.
    ReadResult (*read)(ByteSource& source);
    // Why the format cannot carry a question (numbered from 1), or nothing; nullptr where it
    // carries every question.
    std::optional<std::string> (*check)(const QuestionRecord& record, int32_t number);
    // Writes questions that passed the check. Throws FileAccessError or WriteRefusal.
    void (*write)(const QuestionArray& questions, const WriteOptions& options, ByteSink& sink);
    // Whether --groups means something to it: only a test on paper has groups.
    bool takesGroups = false;
};

// The format of path by its extension, in any case; nullptr for any other.
const Format* FormatOf(const std::string& path);

// The first question the format cannot carry, as a refusal: checked before a byte is written.
std::optional<Refusal> CheckExport(const Format& format, const QuestionArray& questions);

// What every text format needs: an answer it can name, and texts that read back as one line of
// printable characters.
std::optional<std::string> CheckText(const QuestionRecord& record, int32_t number);
