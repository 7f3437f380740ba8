#pragma once
// Helpers for the run tests: tests built in memory for the quiz, and keys handed to a dialog.

#include "storage/QuestionArray.h"

#include <windows.h>

#include <vector>

struct QuizQuestion {
    const char* text;
    const char* options[4];
    int correct;
};

QuestionArray MakeQuestions(const std::vector<QuizQuestion>& questions);

// A key as a dialog's modal loop hands it to the dialog manager: down, to the focused control.
void PressKey(HWND dialog, WPARAM key);
