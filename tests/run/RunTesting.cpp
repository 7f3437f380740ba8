#include "tests/run/RunTesting.h"

#include <cstring>

QuestionArray MakeQuestions(const std::vector<QuizQuestion>& questions) {
    QuestionArray array = QuestionArray::AllocateFresh(static_cast<int32_t>(questions.size()));
    for (size_t i = 0; i < questions.size(); ++i) {
        QuestionRecord& record = array[static_cast<int32_t>(i)];
        std::strcpy(record.text[FieldQuestion], questions[i].text);
        for (int k = 0; k < 4; ++k)
            std::strcpy(record.text[FieldAnswer1 + k], questions[i].options[k]);
        record.correct = questions[i].correct;
    }
    return array;
}

void PressKey(HWND dialog, WPARAM key) {
    MSG msg = {GetFocus(), WM_KEYDOWN, key, 1, GetTickCount(), {0, 0}};
    IsDialogMessageW(dialog, &msg);
}
