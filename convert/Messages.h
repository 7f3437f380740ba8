#pragma once
// Every Czech text the converter shows, as UTF-8. They are u8 literals: the Windows build compiles
// narrow literals to Windows-1250 and the native build leaves them in UTF-8, while a u8 literal is
// UTF-8 in both (C++17, where it is still an array of char), which is what the front ends print.

#include <cstdint>
#include <string>

class Messages {
public:
    // Reading a text file, either format.
    static std::string Utf16() { return u8"soubor je v kódování UTF-16; uložte jej jako UTF-8"; }
    static std::string InvalidUtf8() { return u8"neplatná posloupnost bajtů UTF-8"; }
    static std::string ControlCharacter(char32_t character);
    static std::string TextTooLong(int field);
    static std::string NoQuestion() { return u8"soubor neobsahuje žádnou otázku"; }
    static std::string TooManyQuestions() { return u8"soubor má víc než 50 000 otázek"; }
    static std::string ChangedWhileRead() { return u8"soubor se během převodu změnil"; }
    static std::string LineTooLong() { return u8"řádek je delší než 16 MB"; }

    // Aiken. Options are counted from 0 for A.
    static std::string OptionInsteadOfQuestion() {
        return u8"řádek vypadá jako možnost, ale patří sem otázka";
    }
    static std::string AnswerWithoutQuestion() { return u8"řádek ANSWER: bez otázky"; }
    static std::string ExpectedOption(int option);
    static std::string WrongOptionLetter(int option, char found);
    static std::string TooFewOptions(int count);
    static std::string TooManyOptions() { return u8"otázka má víc než čtyři možnosti"; }
    static std::string ExpectedAnswerLine() {
        return u8"po možnosti D) má následovat řádek ANSWER: s písmenem A až D";
    }
    static std::string BadAnswerLetter() { return u8"za ANSWER: má stát jedno písmeno A až D"; }
    static std::string BlankInsideQuestion() { return u8"prázdný řádek uvnitř otázky"; }
    static std::string EmptyOption(int option);
    static std::string UnfinishedQuestion() { return u8"soubor skončil uprostřed otázky"; }

    // CSV.
    static std::string AfterClosingQuote() {
        return u8"za uzavírací uvozovkou smí být jen oddělovač nebo konec řádku";
    }
    static std::string LineBreakInCell() {
        return u8"zalomení řádku uvnitř buňky (chybí uzavírací uvozovka?)";
    }
    static std::string UnclosedQuote() { return u8"buňka v uvozovkách nemá uzavírací uvozovku"; }
    static std::string CellCount(int64_t count);
    static std::string OnlyHeader() { return u8"soubor obsahuje jen záhlaví, žádnou otázku"; }
    // After the result line: " (první řádek „…“ byl přeskočen jako záhlaví)".
    static std::string SkippedHeader(const std::string& firstCell);
    static std::string BadRightAnswer() { return u8"správná odpověď musí být A, B, C, D nebo 1 až 4"; }
    static std::string CsvHeader() { return u8"Otázka;A;B;C;D;Správně"; }

    // The test file.
    static std::string DamagedTest() { return u8"soubor není test Kvizaru nebo je poškozený"; }
    static std::string TestTooLarge() { return u8"test je příliš velký a nelze jej načíst"; }

    // Export; questions are counted from 1.
    static std::string NoRightAnswer(int32_t question);
    static std::string ControlInText(int32_t question, int field);
    static std::string EmptyForAiken(int32_t question, int field);
    static std::string BlanksForAiken(int32_t question, int field);
    static std::string QuestionReadsAsLine(int32_t question);
    static std::string QuestionTooShortForMoodle(int32_t question);
    static std::string ControlInDocument(int32_t question, int field, char32_t character);
    static std::string DocumentTooLarge(int groups);

    // The command.
    static std::string Usage() {
        return u8"použití: kvizar-convert ZDROJ CÍL [--force] [--groups N]  (.tst test, .txt Aiken, .csv "
               u8"CSV, "
               u8".html webová stránka, .zip balíček SCORM pro výukový systém, .docx dokument k tisku ve "
               u8"skupinách, --groups 1 až 6, bez ní 2; právě jeden z nich je .tst)";
    }
    static std::string UnknownFormat() {
        return u8"neznámý formát; použijte .tst (test), .txt (Aiken), .csv (CSV), .html (webová stránka), "
               u8".zip (balíček SCORM) nebo .docx (dokument k tisku)";
    }
    static std::string PageNotRead() {
        return u8"webová stránka, balíček a dokument k tisku se jen zapisují; zdrojem stránky .html, balíčku "
               u8".zip i dokumentu .docx je test (.tst)";
    }
    static std::string OneSideTest() { return u8"právě jeden ze souborů musí být test (.tst)"; }
    static std::string TargetExists() { return u8"soubor už existuje; přepsat jej dovolí volba --force"; }
    static std::string Converted(int32_t count, const std::string& target);
    static std::string BadGroups(const std::string& value);
    static std::string GroupsNotForOutput() {
        return u8"volba --groups patří jen k dokumentu k tisku (.docx); jiný výstup skupiny nemá";
    }

    // The Windows program's own: files dropped onto it, and its console window.
    static std::string DropUsage() {
        return u8"nebo:    kvizar-convert [--to html|zip|docx|csv|txt] [--groups N] SOUBOR…  (z .txt a .csv "
               u8"udělá test ve složce Kvizar vedle programu, z testu .tst soubor .txt ve formátu Aiken "
               u8"vedle "
               u8"něj, s volbou --to webovou stránku, balíček SCORM, dokument k tisku, CSV nebo Aiken; "
               u8"soubory "
               u8"lze i přetáhnout na ikonu programu)";
    }
    static std::string PressEnter() { return u8"Okno zavřete klávesou Enter."; }
    static std::string KeptExisting() {
        return u8"soubor už existuje a převod jej nepřepíše; přejmenujte jej nebo jej smažte";
    }
    static std::string UnknownOutput(const std::string& value);
    static std::string NameNotInCodePage(char32_t character);
    static std::string NotATestName() {
        return u8"z názvu souboru nemůže být název testu (je prázdný, je to název zařízení, nebo by cesta "
               u8"byla příliš dlouhá); soubor přejmenujte";
    }
    static std::string UnpairedSurrogate() {
        return u8"název obsahuje neplatný znak UTF-16 (náhradu bez páru); soubor přejmenujte";
    }
};
