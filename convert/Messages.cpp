#include "convert/Messages.h"

#include "storage/Cp1250Check.h"
#include "storage/QuestionRecord.h"

namespace {

// Czech picks a noun's form by the number: 1, 2 to 4, and the rest (0 and 5 on).
const char* Plural(int64_t count, const char* one, const char* few, const char* many) {
    if (count == 1)
        return one;
    return count >= 2 && count <= 4 ? few : many;
}

std::string Letter(int option) {
    return std::string(1, static_cast<char>('A' + option));
}

// The field in the genitive, as "text otázky", "text možnosti B" need it.
std::string FieldName(int field) {
    return field == FieldQuestion ? u8"otázky" : u8"možnosti " + Letter(field - FieldAnswer1);
}

std::string Question(int32_t question) {
    return u8"otázka " + std::to_string(question) + ": ";
}

const char* const kUseCsv = u8"; formát Aiken jej nepřenese, uložte test jako CSV (.csv)";

} // namespace

std::string Messages::ControlCharacter(char32_t character) {
    return u8"řídicí znak " + Cp1250Check::CodePoint(character) + u8" nepatří do textu";
}

std::string Messages::TextTooLong(int field) {
    return u8"text " + FieldName(field) + u8" je delší než 1023 znaků";
}

std::string Messages::ExpectedOption(int option) {
    std::string text = u8"má tu být možnost " + Letter(option) + ")";
    return option == 0 ? text + u8" (otázka smí mít jen jeden řádek)" : text;
}

std::string Messages::WrongOptionLetter(int option, char found) {
    return u8"má tu být možnost " + Letter(option) + u8"), ne " + std::string(1, found) + ")";
}

std::string Messages::TooFewOptions(int count) {
    return u8"otázka má jen " + std::to_string(count) + " " +
           Plural(count, u8"možnost", u8"možnosti", u8"možností") + u8", potřebuje čtyři (A až D)";
}

std::string Messages::EmptyOption(int option) {
    return u8"možnost " + Letter(option) + u8") nemá text";
}

std::string Messages::CellCount(int64_t count) {
    return u8"řádek má " + std::to_string(count) + " " + Plural(count, u8"buňku", u8"buňky", u8"buněk") +
           u8", patří sem 6: otázka, A, B, C, D a správná odpověď";
}

std::string Messages::NoRightAnswer(int32_t question) {
    return Question(question) + u8"není označena správná odpověď";
}

std::string Messages::ControlInText(int32_t question, int field) {
    return Question(question) + u8"text " + FieldName(field) + u8" obsahuje zalomení řádku nebo řídicí znak";
}

std::string Messages::EmptyForAiken(int32_t question, int field) {
    return Question(question) + u8"prázdný text " + FieldName(field) + kUseCsv;
}

std::string Messages::BlanksForAiken(int32_t question, int field) {
    return Question(question) + u8"text " + FieldName(field) + u8" začíná nebo končí mezerou" + kUseCsv;
}

std::string Messages::QuestionReadsAsLine(int32_t question) {
    return Question(question) + u8"text otázky by se četl jako možnost nebo řádek ANSWER:" + kUseCsv;
}

std::string Messages::SkippedHeader(const std::string& firstCell) {
    return u8" (první řádek „" + firstCell + u8"“ byl přeskočen jako záhlaví)";
}

std::string Messages::QuestionTooShortForMoodle(int32_t question) {
    return Question(question) + u8"Moodle nepřečte otázku kratší než dva znaky; formát Aiken ji nepřenese, "
                                u8"uložte test jako CSV (.csv)";
}

std::string Messages::ControlInDocument(int32_t question, int field, char32_t character) {
    const std::string where =
        field == FieldQuestion ? u8"text otázky" : u8"možnost " + Letter(field - FieldAnswer1);
    return u8"otázka " + std::to_string(question) + ", " + where + u8": řídicí znak " +
           Cp1250Check::CodePoint(character) +
           u8" nelze do dokumentu zapsat; smažte jej v programu Kvizar tlačítkem „Editovat test“";
}

std::string Messages::DocumentTooLarge(int groups) {
    return u8"test je na " + std::to_string(groups) + " " +
           Plural(groups, u8"skupinu", u8"skupiny", u8"skupin") +
           u8" příliš velký: dokument by přesáhl 4 GiB, víc soubor .docx neunese; zvolte méně skupin "
           u8"(--groups)";
}

std::string Messages::BadGroups(const std::string& value) {
    return u8"volba --groups: „" + value + u8"“ není počet skupin; použijte číslo 1 až 6";
}

std::string Messages::Converted(int32_t count, const std::string& target) {
    return std::to_string(count) + " " +
           Plural(count, u8"otázka uložena", u8"otázky uloženy", u8"otázek uloženo") + u8" do " + target;
}

std::string Messages::UnknownOutput(const std::string& value) {
    return u8"volba --to: neznámý výstup „" + value + u8"“; použijte html, zip, docx, csv nebo txt";
}

std::string Messages::NameNotInCodePage(char32_t character) {
    return u8"název souboru obsahuje znak " + Cp1250Check::CodePoint(character) +
           u8", který Windows-1250 nemá, a program by takový test nenašel; soubor přejmenujte";
}
