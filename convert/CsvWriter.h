#pragma once
// Writes questions as CSV the way a Czech spreadsheet opens them right: UTF-8 with a byte order
// mark, ';' between cells, CRLF, the header row, the right answer as a letter, and a cell in
// quotes wherever it holds ';' or '"'.

#include "convert/ByteSink.h"
#include "storage/QuestionArray.h"

class CsvWriter {
public:
    // Writes questions whose texts hold no control characters and whose answers are 0..3.
    static void Write(const QuestionArray& questions, ByteSink& sink);
};
