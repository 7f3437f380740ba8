#pragma once
// What the fuzz targets check besides the sanitizers: a failed check aborts, which libFuzzer
// reports as a finding with its input.

#include "storage/QuestionArray.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzzer: %s\n", what);
        std::abort();
    }
}

// Same correct indexes and texts up to each NUL (what the formats store).
inline bool SameQuestions(const QuestionArray& a, const QuestionArray& b) {
    if (a.Count() != b.Count())
        return false;
    for (int32_t i = 0; i < a.Count(); ++i) {
        if (a[i].correct != b[i].correct)
            return false;
        for (int f = 0; f < kTextFieldCount; ++f)
            if (std::strcmp(a[i].text[f], b[i].text[f]) != 0)
                return false;
    }
    return true;
}
