#pragma once
// The length of a record's text. A field without a NUL (the program never makes one) counts as
// its first 1023 bytes, as the test file encoder writes it.

#include "storage/QuestionRecord.h"

#include <cstring>

inline size_t TextFieldLength(const char* field) {
    const void* nul = std::memchr(field, '\0', kTextFieldSize - 1);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : kTextFieldSize - 1;
}
