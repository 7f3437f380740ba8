#pragma once
// The quiz page, convert/formats/page/quiz.html, as the build embeds it (convert/Sources.cmake): its HTML,
// CSS and script in UTF-8, with @NAME@ and @DATA@ where the writer puts the test's name and data.

#include <cstddef>

extern const unsigned char kQuizPage[];
extern const size_t kQuizPageSize;
