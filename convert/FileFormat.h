#pragma once
// The three kinds of file the converter moves questions between.

enum class FileFormat { TestFile, Aiken, Csv };
