#pragma once
// Every Czech text the converter shows, as UTF-8. They are u8 literals: the Windows build compiles
// narrow literals to Windows-1250 and the native build leaves them in UTF-8, while a u8 literal is
// UTF-8 in both (C++17, where it is still an array of char), which is what the front ends print.

#include <cstdint>
#include <string>

class Messages {
public:
    // Reading a text file, either format.
    static std::string Utf16();
    static std::string InvalidUtf8();
    static std::string NotInCodePage(char32_t character);
    static std::string ControlCharacter(char32_t character);
    static std::string TextTooLong(int field);
    static std::string NoQuestion();
    static std::string TooManyQuestions();
    static std::string ChangedWhileRead();

    // Aiken. Options are counted from 0 for A.
    static std::string OptionInsteadOfQuestion();
    static std::string AnswerWithoutQuestion();
    static std::string ExpectedOption(int option);
    static std::string WrongOptionLetter(int option, char found);
    static std::string TooFewOptions(int count);
    static std::string TooManyOptions();
    static std::string ExpectedAnswerLine();
    static std::string BadAnswerLetter();
    static std::string BlankInsideQuestion();
    static std::string EmptyOption(int option);
    static std::string UnfinishedQuestion();

    // CSV.
    static std::string AfterClosingQuote();
    static std::string LineBreakInCell();
    static std::string UnclosedQuote();
    static std::string CellCount(int64_t count);
    static std::string BadRightAnswer();
    static std::string CsvHeader();

    // The test file.
    static std::string DamagedTest();
    static std::string TestTooLarge();

    // Export; questions are counted from 1.
    static std::string NoRightAnswer(int32_t question);
    static std::string ControlInText(int32_t question, int field);
    static std::string EmptyForAiken(int32_t question, int field);
    static std::string BlanksForAiken(int32_t question, int field);
    static std::string QuestionReadsAsLine(int32_t question);

    // Files.
    static std::string CannotRead(const std::string& cause);
    static std::string CannotWrite(const std::string& cause);
    static std::string NoSuchFile();
    static std::string AccessDenied();
    static std::string IsFolder();
    static std::string DiskFull();
    static std::string InUse();
    static std::string SystemError(const std::string& systemText);

    // The command.
    static std::string Usage();
    static std::string UnknownFormat();
    static std::string OneSideTest();
    static std::string PageNotRead();
    static std::string TargetExists();
    static std::string Converted(int32_t count, const std::string& target);

    // The Windows program's own: files dropped onto it, and its console window.
    static std::string DropUsage();
    static std::string PressEnter();
    static std::string KeptExisting();
    static std::string NameNotInCodePage(char32_t character);
    static std::string NotATestName();
    static std::string UnpairedSurrogate();
};
