#pragma once
// A test as one web page that runs it in any browser, offline, as the program's quiz does: the
// page itself (HTML, CSS and script: convert/formats/page/quiz.html, which also reports to a learning
// platform where it runs inside one) and the test's texts as JSON data inside it, which the script
// shows as text and never as markup. The right answers are mixed up a little, so that a student
// does not read them off the page's source at a glance; that keeps out no one who tries.

#include "convert/formats/Format.h"
#include "convert/Utf8Output.h"
#include "storage/QuestionArray.h"

#include <string>

class HtmlPage {
public:
    // The page for questions and the test's name (UTF-8), as UTF-8; the caller flushes out.
    static void Write(const QuestionArray& questions, const std::string& testName, Utf8Output& out);

    // The right answer of question index as the page stores it: (correct + 1 + index mod 4) mod 5,
    // where correct is 4 for an index outside the four options. It is never the plain index, and
    // changes from question to question.
    static int HiddenAnswer(int32_t correct, int32_t index);
};

// .html: written only, from a test.
extern const Format kHtmlPageFormat;
