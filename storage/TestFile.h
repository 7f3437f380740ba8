#pragma once
// Moving a test between its file and memory, through the framework's files. Failures leave as
// CFileException; nothing here shows a window, so the converter shares it.

#include "storage/TestFileDecoder.h"

#include <string>

// Reads and decodes the test stored at path; others may read it meanwhile. The file is closed
// again by the time this returns. Throws CFileException when it cannot be read.
DecodeResult ReadTestFile(const std::wstring& path);

// Writes the test to a temporary file beside path, flushes it and puts it in path's place.
// Throws CFileException, by which time the new file is gone and the old one untouched.
void WriteTestFile(const std::wstring& path, const QuestionArray& questions);
