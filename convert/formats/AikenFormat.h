#pragma once
// Moodle's Aiken format (.txt): a line with the question, four lines "A) text" (or "A. text", the
// blank after the letter optional) for A to D in this order, then "ANSWER: X"; blank lines between
// questions. Lines are read trimmed of spaces and tabs; anything else is refused with its line.
// Written as Moodle's own export writes it: UTF-8 without a byte order mark, CRLF line ends.

#include "convert/formats/Format.h"

extern const Format kAikenFormat;
