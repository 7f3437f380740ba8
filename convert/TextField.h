#pragma once
// The length of a record's text. A field without a NUL (the program never makes one) counts as
// its first 1023 bytes, as the test file encoder writes it.

#include "convert/FindByte.h"
#include "storage/QuestionRecord.h"

inline size_t TextFieldLength(const char* field) {
    return static_cast<size_t>(FindByte(field, field + kTextFieldSize - 1, '\0') - field);
}
