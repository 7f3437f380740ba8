#pragma once
// Questions in and out of each format: the one place that knows which reader and
// writer serve which format, and what every export must check first.

#include "convert/ByteSink.h"
#include "convert/ByteSource.h"
#include "convert/FileFormat.h"
#include "convert/ReadResult.h"

#include <optional>
#include <string>

class QuestionFile {
public:
    // Reads a whole file. Throws FileAccessError when the source cannot be read.
    static ReadResult Read(FileFormat format, ByteSource& source);

    // The first question the format cannot carry, or nothing: checked before a byte is written.
    static std::optional<Refusal> CheckExport(FileFormat format, const QuestionArray& questions);

    // Writes questions that passed CheckExport; only a page shows the test's name (UTF-8). Throws
    // FileAccessError when the sink cannot take them.
    static void Write(FileFormat format, const QuestionArray& questions, ByteSink& sink,
                      const std::string& testName = std::string());
};
