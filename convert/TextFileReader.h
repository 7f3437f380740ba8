#pragma once
// Reads an Aiken or CSV file into a test's questions in two passes over the file: the first counts
// how many questions the array must hold, the second decodes and parses straight into that array.
// So memory stays at about one array, whatever the file's size.

#include "convert/ByteSource.h"
#include "convert/FileFormat.h"
#include "convert/ReadResult.h"

class TextFileReader {
public:
    // format is Aiken or Csv. Throws FileAccessError when the source cannot be read.
    static ReadResult Read(FileFormat format, ByteSource& source);
};
