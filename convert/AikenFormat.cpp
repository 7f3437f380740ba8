#include "convert/AikenFormat.h"

#include "convert/LineParser.h"
#include "convert/LineReader.h"
#include "convert/Messages.h"
#include "convert/Utf8Output.h"

#include <cstring>

namespace {

const char kAnswerTag[] = "ANSWER:";
constexpr size_t kAnswerTagLength = sizeof kAnswerTag - 1;

// "A)" or "A.": any capital, as Moodle reads an option by it.
bool IsOptionPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] >= 'A' && text[0] <= 'Z' && (text[1] == ')' || text[1] == '.');
}

class AikenParser : public LineParser {
public:
    using LineParser::LineParser;

    bool Parse(std::string_view line, int64_t number, bool ended) override;

protected:
    bool FinishText() override;

private:
    enum class Kind { Blank, Question, Option, Answer };
    enum class Expect { Question, Option, Answer };

    bool OnQuestionLine(Kind kind, std::string_view text, int64_t number);
    bool OnOptionLine(Kind kind, std::string_view text, int64_t number);
    bool OnAnswerLine(Kind kind, std::string_view text, int64_t number);
    bool StoreText(int field, std::string_view text, int64_t number);

    Expect m_expect = Expect::Question;
    int m_option = 0; // the option expected next, 0 for A
    int64_t m_questionLine = 0;
    QuestionRecord m_record{};
};

bool AikenParser::Parse(std::string_view line, int64_t number, bool) {
    std::string_view text = Trimmed(line);
    const Kind kind = text.empty()                                         ? Kind::Blank
                      : IsOptionPrefix(text)                               ? Kind::Option
                      : text.compare(0, kAnswerTagLength, kAnswerTag) == 0 ? Kind::Answer
                                                                           : Kind::Question;
    // Blanks right after "A)" belong to no text; a tab inside a text is a control character.
    std::string_view inner = kind == Kind::Option ? Trimmed(text.substr(2)) : text;
    const size_t tab = inner.find('\t');
    if (tab != std::string_view::npos)
        return Refuse(number, inner.data() + tab - line.data() + 1, Messages::ControlCharacter('\t'));
    switch (m_expect) {
    case Expect::Question:
        return OnQuestionLine(kind, text, number);
    case Expect::Option:
        return OnOptionLine(kind, text, number);
    case Expect::Answer:
        return OnAnswerLine(kind, text, number);
    }
    return false;
}

bool AikenParser::StoreText(int field, std::string_view text, int64_t number) {
    if (text.size() > kTextFieldSize - 1)
        return Refuse(number, 0, Messages::TextTooLong(field));
    std::memcpy(m_record.text[field], text.data(), text.size());
    m_record.text[field][text.size()] = '\0';
    return true;
}

bool AikenParser::OnQuestionLine(Kind kind, std::string_view text, int64_t number) {
    switch (kind) {
    case Kind::Blank:
        return true;
    case Kind::Option:
        return Refuse(number, 0, Messages::OptionInsteadOfQuestion());
    case Kind::Answer:
        return Refuse(number, 0, Messages::AnswerWithoutQuestion());
    case Kind::Question:
        break;
    }
    m_expect = Expect::Option;
    m_option = 0;
    m_questionLine = number;
    return StoreText(FieldQuestion, text, number);
}

bool AikenParser::OnOptionLine(Kind kind, std::string_view text, int64_t number) {
    switch (kind) {
    case Kind::Blank:
        return Refuse(number, 0, Messages::BlankInsideQuestion());
    case Kind::Answer:
        return Refuse(number, 0, Messages::TooFewOptions(m_option));
    case Kind::Question:
        return Refuse(number, 0, Messages::ExpectedOption(m_option));
    case Kind::Option:
        break;
    }
    if (text[0] != 'A' + m_option)
        return Refuse(number, 0, Messages::WrongOptionLetter(m_option, text[0]));
    const std::string_view option = Trimmed(text.substr(2));
    if (option.empty())
        return Refuse(number, 0, Messages::EmptyOption(m_option));
    if (++m_option == 4)
        m_expect = Expect::Answer;
    return StoreText(FieldAnswer1 + m_option - 1, option, number);
}

bool AikenParser::OnAnswerLine(Kind kind, std::string_view text, int64_t number) {
    switch (kind) {
    case Kind::Blank:
        return Refuse(number, 0, Messages::BlankInsideQuestion());
    case Kind::Option:
        return Refuse(number, 0, Messages::TooManyOptions());
    case Kind::Question:
        return Refuse(number, 0, Messages::ExpectedAnswerLine());
    case Kind::Answer:
        break;
    }
    // One letter after the tag, blanks allowed between: "ANSWER: B", "ANSWER:B".
    const std::string_view letter = Trimmed(text.substr(kAnswerTagLength));
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'D')
        return Refuse(number, 0, Messages::BadAnswerLetter());
    m_record.correct = letter[0] - 'A';
    m_expect = Expect::Question;
    return Add(m_record, number);
}

bool AikenParser::FinishText() {
    return m_expect == Expect::Question || Refuse(m_questionLine, 0, Messages::UnfinishedQuestion());
}

ReadResult Read(ByteSource& source) {
    return LineReader::Read(source, [](uint64_t size) { return std::make_unique<AikenParser>(size); });
}

// Why Aiken cannot carry the question back unchanged: an empty text, blanks around one, a question
// that would read as an option or ANSWER line.
std::optional<std::string> Check(const QuestionRecord& record, int32_t number) {
    if (std::optional<std::string> reason = CheckText(record, number))
        return reason;
    for (int field = 0; field < kTextFieldCount; ++field) {
        const char* text = record.text[field];
        const size_t length = TextFieldLength(text);
        // The reader takes its lines trimmed: an empty text or blanks at either end do not come back.
        if (length == 0)
            return Messages::EmptyForAiken(number, field);
        if (text[0] == ' ' || text[length - 1] == ' ')
            return Messages::BlanksForAiken(number, field);
    }
    const char* question = record.text[FieldQuestion];
    // Moodle skips a line shorter than two bytes: one ASCII character (a Czech one takes two).
    if (TextFieldLength(question) == 1 && static_cast<uint8_t>(question[0]) < 0x80)
        return Messages::QuestionTooShortForMoodle(number);
    if (IsOptionPrefix(std::string_view(question, TextFieldLength(question))) ||
        std::strncmp(question, kAnswerTag, kAnswerTagLength) == 0)
        return Messages::QuestionReadsAsLine(number);
    return std::nullopt;
}

void Write(const QuestionArray& questions, const std::string&, ByteSink& sink) {
    Utf8Output out(sink);
    for (int32_t i = 0; i < questions.Count(); ++i) {
        const QuestionRecord& record = questions[i];
        out.Text(record.text[FieldQuestion]);
        out.Raw("\r\n");
        for (int option = 0; option < 4; ++option) {
            const char prefix[] = {static_cast<char>('A' + option), ')', ' ', '\0'};
            out.Raw(prefix);
            out.Text(record.text[FieldAnswer1 + option]);
            out.Raw("\r\n");
        }
        const char letter[] = {static_cast<char>('A' + record.correct), '\0'};
        out.Raw("ANSWER: ");
        out.Raw(letter);
        out.Raw("\r\n\r\n");
    }
    out.Flush();
}

} // namespace

const Format kAikenFormat = {"txt", Read, Check, Write};
