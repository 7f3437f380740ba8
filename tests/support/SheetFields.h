#pragma once
// The question sheets' five text fields in record order: the question, then answers 1 to 4.

#include "res/resource.h"
#include "storage/QuestionRecord.h"

inline constexpr int kSheetFields[kTextFieldCount] = {IDC_QUESTION, IDC_ANSWER1, IDC_ANSWER2, IDC_ANSWER3,
                                                      IDC_ANSWER4};
