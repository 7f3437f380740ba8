#pragma once
// CSV (.csv) as a spreadsheet saves it, with RFC 4180 quoting: rows of six cells, the question, the
// options A to D and the right answer (A to D or 1 to 4), separated by ";" or ",". Cells are taken
// as they stand; only the answer is trimmed. A first row whose last cell is a word of two or more
// letters is a header. Written with a byte order mark and a Czech header, so that a spreadsheet
// opens it with its Czech right.

#include "convert/formats/Format.h"

extern const Format kCsvFormat;
