#include "convert/AikenReader.h"

#include "convert/FindByte.h"
#include "convert/Messages.h"

#include <algorithm>
#include <cstring>

namespace {

const char kAnswerTag[] = "ANSWER:";
constexpr size_t kAnswerTagLength = sizeof kAnswerTag - 1;

bool IsBlank(uint8_t byte) {
    return byte == ' ' || byte == '\t';
}

// "A)" or "A.": any capital, as Moodle reads an option by it.
bool IsOptionPrefix(const char* text, uint64_t length) {
    return length >= 2 && text[0] >= 'A' && text[0] <= 'Z' && (text[1] == ')' || text[1] == '.');
}

} // namespace

bool AikenReader::ParseChunk(const uint8_t* p, const uint8_t* end) {
    while (p != end) {
        const uint8_t* lineEnd = FindByte(p, end, '\n');
        if (!OnPiece(p, lineEnd))
            return false;
        p = lineEnd;
        if (p != end) {
            if (!EndLine())
                return false;
            StartLine(++p);
        }
    }
    return true;
}

bool AikenReader::OnPiece(const uint8_t* p, const uint8_t* end) {
    while (p != end) {
        // Blanks at the start of a line, and right after "A)", belong to no text.
        if (m_length == 0 || m_afterPrefix) {
            while (p != end && IsBlank(*p))
                ++p;
            if (p == end)
                return true;
        }
        const uint8_t* last = end; // past the piece's last character that is not blank
        while (last != p && IsBlank(last[-1]))
            --last;
        if (last != p && !FlushPendingBlanks())
            return false;
        // The first two characters of a line are taken alone: they may make it an option.
        const uint8_t* stop = m_length < 2 ? std::min(last, p + (2 - m_length)) : last;
        const uint8_t* tab = FindByte(p, stop, '\t');
        if (tab != stop)
            return RefuseAt(tab, Messages::ControlCharacter('\t'));
        const uint64_t before = m_length;
        Append(p, static_cast<size_t>(stop - p));
        m_afterPrefix = before < 2 && m_length == 2 && IsOptionPrefix(m_text, m_length);
        p = stop;
        if (stop == last) {
            PendBlanks(last, end);
            return true;
        }
    }
    return true;
}

void AikenReader::PendBlanks(const uint8_t* p, const uint8_t* end) {
    if (m_afterPrefix)
        return;
    const uint8_t* tab = FindByte(p, end, '\t');
    if (m_pendingTabColumn == 0 && tab != end)
        m_pendingTabColumn = ColumnOf(tab);
    m_pendingBlanks += static_cast<uint64_t>(end - p);
}

bool AikenReader::FlushPendingBlanks() {
    if (m_pendingBlanks == 0)
        return true;
    if (m_pendingTabColumn > 0)
        return Refuse(Line(), m_pendingTabColumn, Messages::ControlCharacter('\t'));
    // Blanks between texts are all spaces by now: a tab among them has been refused.
    std::memset(m_text + Stored(), ' ', static_cast<size_t>(std::min<uint64_t>(m_pendingBlanks, Room())));
    m_length += m_pendingBlanks;
    m_pendingBlanks = 0;
    return true;
}

void AikenReader::Append(const uint8_t* data, size_t size) {
    std::memcpy(m_text + Stored(), data, std::min<size_t>(size, Room()));
    m_length += size;
}

AikenReader::LineKind AikenReader::Kind() const {
    if (m_length == 0)
        return LineKind::Blank;
    if (IsOptionPrefix(m_text, m_length))
        return LineKind::Option;
    if (m_length >= kAnswerTagLength && std::memcmp(m_text, kAnswerTag, kAnswerTagLength) == 0)
        return LineKind::Answer;
    return LineKind::Question;
}

bool AikenReader::EndLine() {
    const LineKind kind = Kind();
    bool accepted = false;
    switch (m_expect) {
    case Expect::Question:
        accepted = OnQuestionLine(kind);
        break;
    case Expect::Option:
        accepted = OnOptionLine(kind);
        break;
    case Expect::Answer:
        accepted = OnAnswerLine(kind);
        break;
    }
    m_length = m_pendingBlanks = 0;
    m_pendingTabColumn = 0;
    m_afterPrefix = false;
    return accepted;
}

bool AikenReader::StoreText(int field, const char* text, uint64_t length) {
    if (length > kTextFieldSize - 1)
        return RefuseLine(Messages::TextTooLong(field));
    std::memcpy(m_record.text[field], text, static_cast<size_t>(length));
    m_record.text[field][length] = '\0';
    return true;
}

bool AikenReader::OnQuestionLine(LineKind kind) {
    switch (kind) {
    case LineKind::Blank:
        return true;
    case LineKind::Option:
        return RefuseLine(Messages::OptionInsteadOfQuestion());
    case LineKind::Answer:
        return RefuseLine(Messages::AnswerWithoutQuestion());
    case LineKind::Question:
        break;
    }
    m_expect = Expect::Option;
    m_option = 0;
    m_questionLine = Line();
    return StoreText(FieldQuestion, m_text, m_length);
}

bool AikenReader::OnOptionLine(LineKind kind) {
    switch (kind) {
    case LineKind::Blank:
        return RefuseLine(Messages::BlankInsideQuestion());
    case LineKind::Answer:
        return RefuseLine(Messages::TooFewOptions(m_option));
    case LineKind::Question:
        return RefuseLine(Messages::ExpectedOption(m_option));
    case LineKind::Option:
        break;
    }
    if (m_text[0] != 'A' + m_option)
        return RefuseLine(Messages::WrongOptionLetter(m_option, m_text[0]));
    if (m_length == 2)
        return RefuseLine(Messages::EmptyOption(m_option));
    if (++m_option == 4)
        m_expect = Expect::Answer;
    return StoreText(FieldAnswer1 + m_option - 1, m_text + 2, m_length - 2);
}

bool AikenReader::OnAnswerLine(LineKind kind) {
    switch (kind) {
    case LineKind::Blank:
        return RefuseLine(Messages::BlankInsideQuestion());
    case LineKind::Option:
        return RefuseLine(Messages::TooManyOptions());
    case LineKind::Question:
        return RefuseLine(Messages::ExpectedAnswerLine());
    case LineKind::Answer:
        break;
    }
    // One letter after the tag, blanks allowed between: "ANSWER: B", "ANSWER:B".
    size_t at = kAnswerTagLength;
    while (at < Stored() && m_text[at] == ' ')
        ++at;
    if (m_length != at + 1 || m_text[at] < 'A' || m_text[at] > 'D')
        return RefuseLine(Messages::BadAnswerLetter());
    m_record.correct = m_text[at] - 'A';
    m_expect = Expect::Question;
    return AddQuestion(m_record);
}

bool AikenReader::FinishText() {
    if (m_length > 0 && !EndLine())
        return false;
    return m_expect == Expect::Question || Refuse(m_questionLine, 0, Messages::UnfinishedQuestion());
}
