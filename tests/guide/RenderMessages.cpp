// Prints every message of kvizar.exe and kvizar-convert, one a line as "name<TAB>text" in UTF-8,
// rendered with the fixed samples that the guide's own examples use: the test "Zeměpis" in
// C:\Kvizar, question 12, option C, the characters π and ф, a tab. guide_test.py holds the guide's
// quotations to these lines. Built natively, where narrow literals stay UTF-8.

#include "convert/Messages.h"
#include "platform/ProgramMessages.h"
#include "run/Scoring.h"
#include "storage/Cp1250Check.h"
#include "storage/QuestionRecord.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
const char kTestName[] = "Zeměpis";
const char kTestPath[] = "C:\\Kvizar\\Kvizar\\Zeměpis.tst";
const int kQuestion = 12;
const int kOptionC = FieldAnswer1 + 2;
const char32_t kPi = 0x03C0;
const char32_t kEf = 0x0444;

std::string Render(const ProgramMessage& message) {
    std::string text = message.text;
    switch (message.sample) {
    case ProgramMessage::none:
        return text;
    case ProgramMessage::questionLimit:
        return text.replace(text.find("%d"), 2, std::to_string(kMaxQuestionCount));
    case ProgramMessage::testName:
        return text.replace(text.find("%s"), 2, kTestName);
    case ProgramMessage::filePath:
        return text.replace(text.find("%s"), 2, kTestPath);
    // The check words the list itself, and picks the form by how many characters it names.
    case ProgramMessage::character:
        return Cp1250Check::Message(kPi);
    case ProgramMessage::characters:
        return Cp1250Check::Message({kPi, kEf});
    }
    return text;
}

void Print(const std::string& name, const std::string& text) {
    std::printf("%s\t%s\n", name.c_str(), text.c_str());
}
} // namespace

int main() {
    int index = 0;
    for (const ProgramMessage* message : ProgramMessages::kAll)
        Print("program " + std::to_string(++index), Render(*message));
    Print("program RightAnswer", Scoring::kRightAnswer);
    Print("program WrongAnswer",
          std::string(Scoring::kWrongAnswer) + "Bratislava" + Scoring::kWrongAnswerEnd);
    // The converter's names as convert/Messages.h declares them, so that guide_test.py can tell
    // that none is missing here.
    const std::vector<std::pair<const char*, std::string>> converter = {
        {"Utf16", Messages::Utf16()},
        {"InvalidUtf8", Messages::InvalidUtf8()},
        {"ControlCharacter", Messages::ControlCharacter('\t')},
        {"TextTooLong", Messages::TextTooLong(kOptionC)},
        {"NoQuestion", Messages::NoQuestion()},
        {"TooManyQuestions", Messages::TooManyQuestions()},
        {"ChangedWhileRead", Messages::ChangedWhileRead()},
        {"LineTooLong", Messages::LineTooLong()},
        {"OptionInsteadOfQuestion", Messages::OptionInsteadOfQuestion()},
        {"AnswerWithoutQuestion", Messages::AnswerWithoutQuestion()},
        {"ExpectedOption", Messages::ExpectedOption(0)},
        {"ExpectedOption", Messages::ExpectedOption(2)},
        {"WrongOptionLetter", Messages::WrongOptionLetter(2, 'D')},
        {"TooFewOptions", Messages::TooFewOptions(3)},
        {"TooManyOptions", Messages::TooManyOptions()},
        {"ExpectedAnswerLine", Messages::ExpectedAnswerLine()},
        {"BadAnswerLetter", Messages::BadAnswerLetter()},
        {"BlankInsideQuestion", Messages::BlankInsideQuestion()},
        {"EmptyOption", Messages::EmptyOption(2)},
        {"UnfinishedQuestion", Messages::UnfinishedQuestion()},
        {"AfterClosingQuote", Messages::AfterClosingQuote()},
        {"LineBreakInCell", Messages::LineBreakInCell()},
        {"UnclosedQuote", Messages::UnclosedQuote()},
        {"CellCount", Messages::CellCount(5)},
        {"OnlyHeader", Messages::OnlyHeader()},
        {"SkippedHeader", Messages::SkippedHeader(u8"Otázka")},
        {"BadRightAnswer", Messages::BadRightAnswer()},
        {"CsvHeader", Messages::CsvHeader()},
        {"DamagedTest", Messages::DamagedTest()},
        {"TestTooLarge", Messages::TestTooLarge()},
        {"NoRightAnswer", Messages::NoRightAnswer(kQuestion)},
        {"ControlInText", Messages::ControlInText(kQuestion, kOptionC)},
        {"EmptyForAiken", Messages::EmptyForAiken(kQuestion, kOptionC)},
        {"BlanksForAiken", Messages::BlanksForAiken(kQuestion, kOptionC)},
        {"QuestionReadsAsLine", Messages::QuestionReadsAsLine(kQuestion)},
        {"QuestionTooShortForMoodle", Messages::QuestionTooShortForMoodle(kQuestion)},
        {"ControlInDocument", Messages::ControlInDocument(kQuestion, kOptionC, 0x07)},
        {"DocumentTooLarge", Messages::DocumentTooLarge(6)},
        {"Usage", Messages::Usage()},
        {"UnknownFormat", Messages::UnknownFormat()},
        {"PageNotRead", Messages::PageNotRead()},
        {"OneSideTest", Messages::OneSideTest()},
        {"TargetExists", Messages::TargetExists()},
        {"Converted", Messages::Converted(kQuestion, "Kvizar\\Zeměpis.tst")},
        {"BadGroups", Messages::BadGroups("7")},
        {"GroupsNotForOutput", Messages::GroupsNotForOutput()},
        {"DropUsage", Messages::DropUsage()},
        {"PressEnter", Messages::PressEnter()},
        {"KeptExisting", Messages::KeptExisting()},
        {"UnknownOutput", Messages::UnknownOutput("pdf")},
        {"NameNotInCodePage", Messages::NameNotInCodePage(kPi)},
        {"NotATestName", Messages::NotATestName()},
        {"UnpairedSurrogate", Messages::UnpairedSurrogate()},
    };
    for (const auto& [name, text] : converter)
        Print(std::string("convert ") + name, text);
    return 0;
}
