#pragma once
// Opening and saving a stored test for the user: what goes wrong is told in a message box.

#include "storage/QuestionArray.h"

#include <string>

// Reads the test stored at path. A file that cannot be opened gets the framework's file-error
// report; a damaged file, or one too large to hold in memory, a message that names the test.
// Returns an empty array after telling the user; nothing is kept open.
QuestionArray LoadTestFile(const std::wstring& path);

// Writes the test to path, replacing what was there. The old file is never destroyed on failure:
// the new content goes to a temporary file in the same folder first. Returns false after telling
// the user (the framework's file-error report); the old file is then byte-identical and no
// temporary file remains. The new file keeps the old one's attributes (a hidden test stays hidden).
bool SaveTestFile(const std::wstring& path, const QuestionArray& questions);
