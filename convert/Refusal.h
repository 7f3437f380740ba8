#pragma once
// Why a conversion does not go ahead: a value the readers and the export checks hand back, and the
// front end prints as "SOURCE:LINE:COLUMN: reason".

#include <cstdint>
#include <string>

struct Refusal {
    int64_t line = 0;   // 1-based; 0 when it concerns the file or a question as a whole
    int64_t column = 0; // 1-based, in characters; 0 unless it concerns one character
    std::string reason; // Czech, UTF-8

    // "SOURCE:LINE:COLUMN: reason", leaving out the column or the line where there is none.
    std::string Describe(const std::string& source) const {
        std::string text = source;
        if (line > 0)
            text += ':' + std::to_string(line);
        if (line > 0 && column > 0)
            text += ':' + std::to_string(column);
        return text + ": " + reason;
    }
};
