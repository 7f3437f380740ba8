#include "convert/formats/AikenFormat.h"

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
    // A line by its first characters; a question's lines come in one order, blank lines between.
    enum class Kind { Blank, Question, Option, Answer };

    std::string Misplaced(Kind kind) const;
    bool OnQuestion(std::string_view text, int64_t number);
    bool OnOption(std::string_view text, int64_t number);
    bool OnAnswer(std::string_view text, int64_t number);
    bool StoreText(int field, std::string_view text, int64_t number);

    Kind m_expect = Kind::Question;
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
    if (kind == Kind::Blank && m_expect == Kind::Question)
        return true;
    if (kind != m_expect)
        return Refuse(number, 0, Misplaced(kind));
    switch (kind) {
    case Kind::Question:
        return OnQuestion(text, number);
    case Kind::Option:
        return OnOption(text, number);
    default:
        return OnAnswer(text, number);
    }
}

// Why a line of this kind cannot stand where the line expected should.
std::string AikenParser::Misplaced(Kind kind) const {
    if (kind == Kind::Blank)
        return Messages::BlankInsideQuestion();
    switch (m_expect) {
    case Kind::Question:
        return kind == Kind::Option ? Messages::OptionInsteadOfQuestion() : Messages::AnswerWithoutQuestion();
    case Kind::Option:
        return kind == Kind::Answer ? Messages::TooFewOptions(m_option) : Messages::ExpectedOption(m_option);
    default:
        return kind == Kind::Option ? Messages::TooManyOptions() : Messages::ExpectedAnswerLine();
    }
}

bool AikenParser::StoreText(int field, std::string_view text, int64_t number) {
    if (text.size() > kTextFieldSize - 1)
        return Refuse(number, 0, Messages::TextTooLong(field));
    std::memcpy(m_record.text[field], text.data(), text.size());
    m_record.text[field][text.size()] = '\0';
    return true;
}

bool AikenParser::OnQuestion(std::string_view text, int64_t number) {
    m_expect = Kind::Option;
    m_option = 0;
    m_questionLine = number;
    return StoreText(FieldQuestion, text, number);
}

bool AikenParser::OnOption(std::string_view text, int64_t number) {
    if (text[0] != 'A' + m_option)
        return Refuse(number, 0, Messages::WrongOptionLetter(m_option, text[0]));
    const std::string_view option = Trimmed(text.substr(2));
    if (option.empty())
        return Refuse(number, 0, Messages::EmptyOption(m_option));
    if (++m_option == 4)
        m_expect = Kind::Answer;
    return StoreText(FieldAnswer1 + m_option - 1, option, number);
}

bool AikenParser::OnAnswer(std::string_view text, int64_t number) {
    // One letter after the tag, blanks allowed between: "ANSWER: B", "ANSWER:B".
    const std::string_view letter = Trimmed(text.substr(kAnswerTagLength));
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'D')
        return Refuse(number, 0, Messages::BadAnswerLetter());
    m_record.correct = letter[0] - 'A';
    m_expect = Kind::Question;
    return Add(m_record, number);
}

bool AikenParser::FinishText() {
    return m_expect == Kind::Question || Refuse(m_questionLine, 0, Messages::UnfinishedQuestion());
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

void Write(const QuestionArray& questions, const WriteOptions&, ByteSink& sink) {
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
