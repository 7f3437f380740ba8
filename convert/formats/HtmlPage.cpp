#include "convert/formats/HtmlPage.h"

#include "convert/formats/page/QuizPage.h"
#include "run/Scoring.h"

#include <string_view>

namespace {

// The text of a test comes in Windows-1250, the name and the program's own texts in UTF-8.
enum class Encoding { Windows1250, Utf8 };

// The page itself, convert/formats/page/quiz.html: everything in one file and nothing from the network
// (its security policy forbids it even to a text that tried), so that it works from a USB stick or
// an e-mail attachment. @NAME@ and @DATA@ stand for the test's name and its JSON data.
const std::string_view kPage(reinterpret_cast<const char*>(kQuizPage), kQuizPageSize);

constexpr std::string_view kNameMark = "@NAME@";
constexpr std::string_view kDataMark = "@DATA@";
constexpr char kHexDigits[] = "0123456789abcdef";

// Which bytes a JSON string in a script element writes as \u00XX: the controls JSON forbids, the
// quote and backslash, and < > & so that nothing can end the element or read as markup.
bool NeedsJsonEscape(uint8_t byte) {
    return byte < 0x20 || byte == '"' || byte == '\\' || byte == '<' || byte == '>' || byte == '&';
}

void WritePlain(Utf8Output& out, const char* text, size_t size, Encoding encoding) {
    if (encoding == Encoding::Windows1250)
        out.Text(text, size);
    else
        out.Raw(text, size);
}

void WriteJsonString(Utf8Output& out, std::string_view text, Encoding encoding) {
    out.Raw("\"", 1);
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t byte = static_cast<uint8_t>(text[i]);
        if (!NeedsJsonEscape(byte))
            continue;
        WritePlain(out, text.data() + plain, i - plain, encoding);
        const char escape[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        out.Raw(escape, sizeof escape);
        plain = i + 1;
    }
    WritePlain(out, text.data() + plain, text.size() - plain, encoding);
    out.Raw("\"", 1);
}

// The name in the title element, where only & and < could mean something; > for good measure.
void WriteHtmlText(Utf8Output& out, std::string_view text) {
    for (const char c : text) {
        if (c == '&')
            out.Raw("&amp;");
        else if (c == '<')
            out.Raw("&lt;");
        else if (c == '>')
            out.Raw("&gt;");
        else
            out.Raw(&c, 1);
    }
}

// "key":value, with the comma before every key but the first.
void WriteKey(Utf8Output& out, const char* key, bool first = false) {
    if (!first)
        out.Raw(",", 1);
    WriteJsonString(out, key, Encoding::Utf8);
    out.Raw(":", 1);
}

// The bounds are whole percents, which read back as the same doubles. (Formatting a double in
// general would link the runtime's whole float printer, assertions and all, into the converter.)
void WriteNumber(Utf8Output& out, double value) {
    out.Raw(std::to_string(static_cast<int>(value)));
}

// "#008000", as CSS writes a colour.
void WriteColour(Utf8Output& out, Rgb colour) {
    char hex[] = "\"#rrggbb\"";
    char* digit = hex + 2;
    for (const uint8_t part : {colour.red, colour.green, colour.blue}) {
        *digit++ = kHexDigits[part >> 4];
        *digit++ = kHexDigits[part & 0xF];
    }
    out.Raw(hex, sizeof hex - 1);
}

// How the page judges and shows the results: the program's own bands, texts and colours.
void WriteScoring(Utf8Output& out) {
    WriteKey(out, "right");
    WriteJsonString(out, Scoring::kRightAnswer, Encoding::Utf8);
    WriteKey(out, "wrong");
    WriteJsonString(out, Scoring::kWrongAnswer, Encoding::Utf8);
    WriteKey(out, "wrongEnd");
    WriteJsonString(out, Scoring::kWrongAnswerEnd, Encoding::Utf8);
    WriteKey(out, "rate");
    WriteJsonString(out, Scoring::kRateFormat, Encoding::Utf8);
    WriteKey(out, "passFrom");
    WriteNumber(out, Scoring::kPassFrom);
    WriteKey(out, "passColour");
    WriteColour(out, Scoring::kPassColour);
    WriteKey(out, "failColour");
    WriteColour(out, Scoring::kFailColour);
    WriteKey(out, "bands");
    out.Raw("[", 1);
    for (const Scoring::Band& band : Scoring::kBands) {
        out.Raw(&band == Scoring::kBands ? "[" : ",[");
        WriteNumber(out, band.from);
        out.Raw(",", 1);
        WriteJsonString(out, band.verdict, Encoding::Utf8);
        out.Raw("]", 1);
    }
    out.Raw("]", 1);
}

// Six values a question, one flat array: the question, the four options and the hidden answer.
void WriteQuestions(Utf8Output& out, const QuestionArray& questions) {
    WriteKey(out, "test");
    out.Raw("[", 1);
    for (int32_t i = 0; i < questions.Count(); ++i) {
        if (i > 0)
            out.Raw(",", 1);
        for (const char* text : questions[i].text) {
            WriteJsonString(out, std::string_view(text, TextFieldLength(text)), Encoding::Windows1250);
            out.Raw(",", 1);
        }
        const char answer = static_cast<char>('0' + HtmlPage::HiddenAnswer(questions[i].correct, i));
        out.Raw(&answer, 1);
    }
    out.Raw("]", 1);
}

} // namespace

int HtmlPage::HiddenAnswer(int32_t correct, int32_t index) {
    const int option = correct >= 0 && correct <= 3 ? correct : 4;
    return (option + 1 + index % 4) % 5;
}

void HtmlPage::Write(const QuestionArray& questions, const std::string& testName, Utf8Output& out) {
    const size_t name = kPage.find(kNameMark);
    const size_t data = kPage.find(kDataMark);
    out.Raw(kPage.data(), name);
    WriteHtmlText(out, testName);
    const size_t afterName = name + kNameMark.size();
    out.Raw(kPage.data() + afterName, data - afterName);
    out.Raw("{", 1);
    WriteKey(out, "name", true);
    WriteJsonString(out, testName, Encoding::Utf8);
    WriteScoring(out);
    WriteQuestions(out, questions);
    out.Raw("}", 1);
    const size_t afterData = data + kDataMark.size();
    out.Raw(kPage.data() + afterData, kPage.size() - afterData);
}

namespace {
void WritePage(const QuestionArray& questions, const WriteOptions& options, ByteSink& sink) {
    Utf8Output out(sink);
    HtmlPage::Write(questions, options.testName, out);
    out.Flush();
}
} // namespace

// Only written; it shows any text and judges a missing right answer as the program does.
const Format kHtmlPageFormat = {"html", nullptr, nullptr, WritePage};
