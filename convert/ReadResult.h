#pragma once
// What reading a file of questions gives: the questions, or why there are none.

#include "convert/Refusal.h"
#include "storage/QuestionArray.h"

#include <optional>

struct ReadResult {
    std::optional<Refusal> refusal;
    QuestionArray questions; // empty when refused
};
