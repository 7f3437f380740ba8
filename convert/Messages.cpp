#include "convert/Messages.h"

#include "storage/QuestionRecord.h"

namespace {

// Czech picks a noun's form by the number: 1, 2 to 4, and the rest (0 and 5 on).
const char* Plural(int64_t count, const char* one, const char* few, const char* many) {
    if (count == 1)
        return one;
    return count >= 2 && count <= 4 ? few : many;
}

// "U+0444": four hex digits at least, as character tables write them.
std::string CodePoint(char32_t character) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (int shift = 20; shift >= 0; shift -= 4)
        if (shift < 16 || (character >> shift) != 0)
            hex += kDigits[(character >> shift) & 0xF];
    return "U+" + hex;
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

std::string Messages::Utf16() {
    return u8"soubor je v kódování UTF-16; uložte jej jako UTF-8";
}

std::string Messages::InvalidUtf8() {
    return u8"neplatná posloupnost bajtů UTF-8";
}

std::string Messages::NotInCodePage(char32_t character) {
    return u8"znak " + CodePoint(character) + u8" nelze uložit do testu (Windows-1250 jej nemá)";
}

std::string Messages::ControlCharacter(char32_t character) {
    return u8"řídicí znak " + CodePoint(character) + u8" nepatří do textu";
}

std::string Messages::TextTooLong(int field) {
    return u8"text " + FieldName(field) + u8" je delší než 1023 znaků";
}

std::string Messages::NoQuestion() {
    return u8"soubor neobsahuje žádnou otázku";
}

std::string Messages::TooManyQuestions() {
    return u8"soubor má víc než 50 000 otázek";
}

std::string Messages::ChangedWhileRead() {
    return u8"soubor se během převodu změnil";
}

std::string Messages::OptionInsteadOfQuestion() {
    return u8"řádek vypadá jako možnost, ale patří sem otázka";
}

std::string Messages::AnswerWithoutQuestion() {
    return u8"řádek ANSWER: bez otázky";
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

std::string Messages::TooManyOptions() {
    return u8"otázka má víc než čtyři možnosti";
}

std::string Messages::ExpectedAnswerLine() {
    return u8"po možnosti D) má následovat řádek ANSWER: s písmenem A až D";
}

std::string Messages::BadAnswerLetter() {
    return u8"za ANSWER: má stát jedno písmeno A až D";
}

std::string Messages::BlankInsideQuestion() {
    return u8"prázdný řádek uvnitř otázky";
}

std::string Messages::EmptyOption(int option) {
    return u8"možnost " + Letter(option) + u8") nemá text";
}

std::string Messages::UnfinishedQuestion() {
    return u8"soubor skončil uprostřed otázky";
}

std::string Messages::AfterClosingQuote() {
    return u8"za uzavírací uvozovkou smí být jen oddělovač nebo konec řádku";
}

std::string Messages::LineBreakInCell() {
    return u8"zalomení řádku uvnitř buňky (chybí uzavírací uvozovka?)";
}

std::string Messages::UnclosedQuote() {
    return u8"buňka v uvozovkách nemá uzavírací uvozovku";
}

std::string Messages::CellCount(int64_t count) {
    return u8"řádek má " + std::to_string(count) + " " + Plural(count, u8"buňku", u8"buňky", u8"buněk") +
           u8", patří sem 6: otázka, A, B, C, D a správná odpověď";
}

std::string Messages::BadRightAnswer() {
    return u8"správná odpověď musí být A, B, C, D nebo 1 až 4";
}

std::string Messages::CsvHeader() {
    return u8"Otázka;A;B;C;D;Správně";
}

std::string Messages::DamagedTest() {
    return u8"soubor není test Kvizaru nebo je poškozený";
}

std::string Messages::TestTooLarge() {
    return u8"test je příliš velký a nelze jej načíst";
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

std::string Messages::CannotRead(const std::string& cause) {
    return u8"soubor nelze přečíst: " + cause;
}

std::string Messages::CannotWrite(const std::string& cause) {
    return u8"soubor nelze uložit: " + cause;
}

std::string Messages::NoSuchFile() {
    return u8"soubor nebo složka neexistuje";
}

std::string Messages::AccessDenied() {
    return u8"přístup byl odepřen";
}

std::string Messages::IsFolder() {
    return u8"je to složka";
}

std::string Messages::DiskFull() {
    return u8"na disku není místo";
}

std::string Messages::InUse() {
    return u8"soubor právě používá jiný program";
}

std::string Messages::SystemError(const std::string& systemText) {
    return u8"chyba systému (" + systemText + ")";
}

std::string Messages::Usage() {
    return u8"použití: kvizar-convert ZDROJ CÍL [--force]  (.tst test, .txt Aiken, .csv CSV, .html "
           u8"webová stránka; právě jeden z nich je .tst)";
}

std::string Messages::UnknownFormat() {
    return u8"neznámý formát; použijte .tst (test), .txt (Aiken), .csv (CSV) nebo .html (webová stránka)";
}

std::string Messages::OneSideTest() {
    return u8"právě jeden ze souborů musí být test (.tst)";
}

std::string Messages::PageNotRead() {
    return u8"webová stránka se jen zapisuje; zdrojem stránky .html je test (.tst)";
}

std::string Messages::TargetExists() {
    return u8"soubor už existuje; přepsat jej dovolí volba --force";
}

std::string Messages::Converted(int32_t count, const std::string& target) {
    return std::to_string(count) + " " +
           Plural(count, u8"otázka uložena", u8"otázky uloženy", u8"otázek uloženo") + u8" do " + target;
}

std::string Messages::DropUsage() {
    return u8"nebo:    kvizar-convert SOUBOR…  (z .txt a .csv udělá test ve složce Kvizar vedle programu, "
           u8"z testu .tst soubor .txt ve formátu Aiken vedle něj; soubory lze i přetáhnout na ikonu "
           u8"programu)";
}

std::string Messages::PressEnter() {
    return u8"Okno zavřete klávesou Enter.";
}

std::string Messages::KeptExisting() {
    return u8"soubor už existuje a převod jej nepřepíše; přejmenujte jej nebo jej smažte";
}

std::string Messages::NameNotInCodePage(char32_t character) {
    return u8"název souboru obsahuje znak " + CodePoint(character) +
           u8", který Windows-1250 nemá, a program by takový test nenašel; soubor přejmenujte";
}

std::string Messages::NotATestName() {
    return u8"z názvu souboru nemůže být název testu (je prázdný, je to název zařízení, nebo by cesta "
           u8"byla příliš dlouhá); soubor přejmenujte";
}

std::string Messages::UnpairedSurrogate() {
    return u8"název obsahuje neplatný znak UTF-16 (náhradu bez páru); soubor přejmenujte";
}
