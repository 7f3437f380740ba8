#pragma once
// The kinds of file the converter moves questions between; a web page is only ever written.

enum class FileFormat { TestFile, Aiken, Csv, Page };
