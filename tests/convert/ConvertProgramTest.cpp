// The real kvizar-convert.exe, copied into a folder whose name neither Windows-1250 nor 1252 can
// spell and started as its own process with its output redirected, as a script or CI starts it:
// its exit code, the lines it prints (UTF-8), the files it writes byte for byte and the ones it
// must leave as they are.

#include "convert/formats/AikenFormat.h"
#include "convert/formats/CsvFormat.h"
#include "convert/formats/HtmlPage.h"
#include "convert/Messages.h"
#include "convert/formats/ScormPackage.h"
#include "convert/formats/WordDocument.h"
#include "tests/convert/MemoryFiles.h"
#include "tests/support/Files.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const wchar_t kForeignFolder[] = L"\u0422\u0435\u0441\u0442-Mu\u00f1oz";
const DWORD kRunTimeoutMs = 30000;

struct Finished {
    DWORD exitCode;
    std::string output; // both streams, UTF-8
};

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// "Kolik je 2+2?" with the answers 3, 4, 5 and 22, the second one right: the record, and the Aiken
// text Moodle exports for it.
const QuestionRecord kSum = MakeRecord(1, {"Kolik je 2+2?", "3", "4", "5", "22"});
const std::string kSumAiken = "Kolik je 2+2?\r\nA) 3\r\nB) 4\r\nC) 5\r\nD) 22\r\nANSWER: B\r\n\r\n";
// Two questions in Czech, as a Czech spreadsheet saves them: a header, ";" and CRLF.
const std::string kRiversCsv = u8"Otázka;A;B;C;D;Správně\r\n"
                               u8"Která řeka protéká Prahou?;Vltava;Morava;Odra;Labe;A\r\n"
                               u8"\"Kde je Sněžka; v Krkonoších?\";Ano;Ne;Možná;Nevím;1\r\n";
const std::string kRiversHeaderNote = Messages::SkippedHeader(u8"Otázka");
const std::vector<QuestionRecord> kRivers = {
    MakeRecord(0, {"Která řeka protéká Prahou?", "Vltava", "Morava", "Odra", "Labe"}),
    MakeRecord(0, {"Kde je Sněžka; v Krkonoších?", "Ano", "Ne", "Možná", "Nevím"}),
};

// The first lines on the screen of the console this process is attached to.
std::wstring ConsoleText() {
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    std::wstring shown(4000, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, &shown[0], static_cast<DWORD>(shown.size()), COORD{0, 0}, &read);
    CloseHandle(screen);
    return shown.substr(0, read);
}

// Enter, typed into the console this process is attached to.
void PressEnter() {
    HANDLE keyboard = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    INPUT_RECORD enter = {KEY_EVENT, {}};
    enter.Event.KeyEvent = {TRUE, 1, VK_RETURN, 0, {L'\r'}, 0};
    DWORD written = 0;
    EXPECT_TRUE(WriteConsoleInputW(keyboard, &enter, 1, &written));
    CloseHandle(keyboard);
}

// Waits, bounded, for a started process to end and returns its exit code (99 if it had to be ended).
DWORD ExitCodeOf(const PROCESS_INFORMATION& process) {
    DWORD exitCode = 99;
    if (WaitForSingleObject(process.hProcess, kRunTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "kvizar-convert did not end";
        TerminateProcess(process.hProcess, exitCode);
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

class ConvertProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folder = BesideExe(kForeignFolder);
        RemoveTree(folder);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(
            CopyFileW(WindowsPathOf(KVIZAR_CONVERT_EXE).c_str(), In(L"kvizar-convert.exe").c_str(), TRUE));
    }
    void TearDown() override { RemoveTree(folder); }

    std::wstring In(const std::wstring& name) const { return folder + L"\\" + name; }
    std::wstring TestIn(const std::wstring& name) const { return In(L"Kvizar\\" + name + L".tst"); }

    // Runs the copy in the folder, from the folder, with an empty input that is no console.
    Finished Run(const std::wstring& arguments) {
        const std::wstring log = BesideExe(L"convert-output.log");
        SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = CreateFileW(L"NUL", GENERIC_READ, 0, &inherited, OPEN_EXISTING, 0, nullptr);
        startup.hStdOutput = startup.hStdError =
            CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
        std::wstring commandLine = L"\"" + In(L"kvizar-convert.exe") + L"\" " + arguments;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                   folder.c_str(), &startup, &process));
        CloseHandle(startup.hStdInput);
        CloseHandle(startup.hStdOutput);
        const DWORD exitCode = ExitCodeOf(process);
        const Bytes printed = ReadBytes(log);
        DeleteFileW(log.c_str());
        return Finished{exitCode, std::string(printed.begin(), printed.end())};
    }

    std::wstring folder;
};

TEST_F(ConvertProgram, MakesATestInTheFolderBesideItOfEachTextFileDropped) {
    WriteBytes(In(L"Sou\u010det.txt"), BytesOf(kSumAiken));
    WriteBytes(In(L"\u0158eky.csv"), BytesOf(kRiversCsv));
    const Finished run = Run(L"\"" + In(L"Sou\u010det.txt") + L"\" \"" + In(L"\u0158eky.csv") + L"\"");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(u8"1 otázka uložena do " + Utf8(TestIn(L"Sou\u010det")) + "\r\n" + u8"2 otázky uloženy do " +
                  Utf8(TestIn(L"\u0158eky")) + kRiversHeaderNote + "\r\n",
              run.output);
    EXPECT_EQ(FileOf({kSum}), ReadBytes(TestIn(L"Sou\u010det")));
    EXPECT_EQ(FileOf(kRivers), ReadBytes(TestIn(L"\u0158eky")));
    EXPECT_EQ(std::vector<std::wstring>({L"Sou\u010det.tst", L"\u0158eky.tst"}),
              FolderEntries(In(L"Kvizar")));
}

TEST_F(ConvertProgram, MakesAnAikenFileBesideATest) {
    WriteBytes(In(L"Matematika.tst"), FileOf({kSum}));
    const Finished run = Run(L"Matematika.tst");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(u8"1 otázka uložena do Matematika.txt\r\n", run.output);
    EXPECT_EQ(BytesOf(kSumAiken), ReadBytes(In(L"Matematika.txt")));
}

// "--to", as the installer's "Send to" entries pass it, chooses what a test becomes, beside it;
// text files still become tests.
TEST_F(ConvertProgram, TheOutputOptionChoosesWhatATestBecomes) {
    WriteBytes(In(L"Matematika.tst"), FileOf({kSum}));
    WriteBytes(In(L"Sou\u010det.txt"), BytesOf(kSumAiken));
    const struct {
        const wchar_t* arguments;
        const wchar_t* target;
        const Format& format;
        int groups = WriteOptions::kDefaultGroups;
    } cases[] = {
        {L"--to html Matematika.tst", L"Matematika.html", kHtmlPageFormat},
        {L"--to zip Matematika.tst", L"Matematika.zip", kScormPackageFormat},
        {L"Matematika.tst --to csv", L"Matematika.csv", kCsvFormat},
        {L"--to txt Matematika.tst", L"Matematika.txt", kAikenFormat},
        {L"--to docx Matematika.tst", L"Matematika.docx", kWordDocumentFormat},
        {L"Matematika.tst --groups 3 --to docx", L"Matematika.docx", kWordDocumentFormat, 3},
        {L"Matematika.tst Matematika.docx --groups 1", L"Matematika.docx", kWordDocumentFormat, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.arguments));
        const Finished run = Run(c.arguments);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(u8"1 otázka uložena do " + Utf8(c.target) + "\r\n", run.output);
        MemorySink expected;
        c.format.write(ArrayOf({kSum}), WriteOptions{"Matematika", c.groups}, expected);
        EXPECT_EQ(expected.bytes, ReadBytes(In(c.target)));
        DeleteFileW(In(c.target).c_str());
    }

    const Finished text = Run(L"--to zip Sou\u010det.txt");
    EXPECT_EQ(0u, text.exitCode);
    EXPECT_EQ(FileOf({kSum}), ReadBytes(TestIn(L"Sou\u010det")));

    const std::vector<std::wstring> before = FolderEntries(folder);
    const struct {
        const wchar_t* arguments;
        std::string message;
        DWORD exitCode;
    } wrongs[] = {
        {L"--to pdf Matematika.tst", Messages::UnknownOutput("pdf"), 2},
        {L"--to tst Matematika.tst", Messages::UnknownOutput("tst"), 2},
        {L"Matematika.tst --to", Messages::UnknownOutput(""), 2},
        {L"--to zip", Messages::Usage() + "\r\n" + Messages::DropUsage(), 2},
        // Only the document has groups; a wrong count stops both forms before a file is touched.
        {L"--to html --groups 3 Matematika.tst", Messages::GroupsNotForOutput(), 1},
        {L"Matematika.tst --groups 2", Messages::GroupsNotForOutput(), 1},
        {L"--to docx Matematika.tst --groups 7", Messages::BadGroups("7"), 1},
        {L"Matematika.tst Matematika.docx --groups x", Messages::BadGroups("x"), 1},
    };
    for (const auto& wrong : wrongs) {
        SCOPED_TRACE(Utf8(wrong.arguments));
        const Finished run = Run(wrong.arguments);
        EXPECT_EQ(wrong.exitCode, run.exitCode);
        EXPECT_EQ(wrong.message + "\r\n", run.output);
    }
    EXPECT_EQ(before, FolderEntries(folder));
}

// Every source in turn: those that can be converted are, the others are refused by name, and
// nothing that is there already changes.
TEST_F(ConvertProgram, NeverReplacesAFileAndRefusesANameNoTestCanHave) {
    ASSERT_TRUE(CreateDirectoryW(In(L"Kvizar").c_str(), nullptr));
    WriteBytes(TestIn(L"\u0158eky"), BytesOf("old test"));
    WriteBytes(In(L"\u0158eky.csv"), BytesOf(kRiversCsv));
    WriteBytes(In(L"Matematika.tst"), FileOf({kSum}));
    WriteBytes(In(L"Matematika.txt"), BytesOf("old text"));
    WriteBytes(In(L"\u0422\u0435\u0441\u0442.txt"), BytesOf(kSumAiken));
    WriteBytes(In(L".csv"), BytesOf(kRiversCsv));
    WriteBytes(In(L"Nov\u00fd.csv"), BytesOf(kRiversCsv));
    const std::vector<std::wstring> before = FolderEntries(folder);

    // A lone surrogate (a name no UTF-8 can carry) needs no file: the name alone is refused.
    const Finished run =
        Run(L"\u0158eky.csv Matematika.tst \u0422\u0435\u0441\u0442.txt .csv x\xD800.csv Nov\u00fd.csv");
    EXPECT_EQ(1u, run.exitCode);
    const std::string refusals =
        Utf8(TestIn(L"\u0158eky")) + ": " + Messages::KeptExisting() + "\r\n" +
        "Matematika.txt: " + Messages::KeptExisting() + "\r\n" + Utf8(L"\u0422\u0435\u0441\u0442.txt: ") +
        Messages::NameNotInCodePage(0x422) + "\r\n" + ".csv: " + Messages::NotATestName() + "\r\n" +
        u8"x\uFFFD.csv: " + Messages::UnpairedSurrogate() + "\r\n";
    EXPECT_EQ(refusals + u8"2 otázky uloženy do " + Utf8(TestIn(L"Nov\u00fd")) + kRiversHeaderNote + "\r\n",
              run.output);
    EXPECT_EQ(BytesOf("old test"), ReadBytes(TestIn(L"\u0158eky")));
    EXPECT_EQ(BytesOf("old text"), ReadBytes(In(L"Matematika.txt")));
    EXPECT_EQ(FileOf(kRivers), ReadBytes(TestIn(L"Nov\u00fd")));
    EXPECT_EQ(before, FolderEntries(folder));
    EXPECT_EQ(std::vector<std::wstring>({L"Nov\u00fd.tst", L"\u0158eky.tst"}), FolderEntries(In(L"Kvizar")));
}

TEST_F(ConvertProgram, ARefusedSourceLeavesNoTestFolderBehind) {
    WriteBytes(In(L"Chyba.txt"), BytesOf("Q\r\nA) a\r\nC) c\r\n"));
    const Finished run = Run(L"Chyba.txt");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ(u8"Chyba.txt:3: " + Messages::WrongOptionLetter(1, 'C') + "\r\n", run.output);
    EXPECT_FALSE(Exists(In(L"Kvizar")));
}

TEST_F(ConvertProgram, TheTwoArgumentFormKeepsAnExistingTargetUnlessForced) {
    WriteBytes(In(L"Sou\u010det.txt"), BytesOf(kSumAiken));
    WriteBytes(In(L"star\u00fd.tst"), BytesOf("old test"));
    Finished run = Run(L"Sou\u010det.txt star\u00fd.tst");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ(u8"starý.tst: " + Messages::TargetExists() + "\r\n", run.output);
    EXPECT_EQ(BytesOf("old test"), ReadBytes(In(L"star\u00fd.tst")));

    run = Run(L"Sou\u010det.txt star\u00fd.tst --force");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(u8"1 otázka uložena do starý.tst\r\n", run.output);
    EXPECT_EQ(FileOf({kSum}), ReadBytes(In(L"star\u00fd.tst")));
}

TEST_F(ConvertProgram, WithoutArgumentsItShowsHowToUseItAndDoesNotWaitWithoutAConsole) {
    const Finished run = Run(L"");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ(Messages::Usage() + "\r\n" + Messages::DropUsage() + "\r\n", run.output);
}

// Started by Explorer, on a console window of its own, it asks for Enter before the window goes.
TEST_F(ConvertProgram, OnAConsoleWindowOfItsOwnItWaitsForEnter) {
    std::wstring commandLine = L"\"" + In(L"kvizar-convert.exe") + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Its console may outlive it for a moment: it starts in this exe's folder, so that it never holds
    // the folder the case removes.
    ASSERT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                               nullptr, &startup, &process));
    // A run takes a tenth of this. Only then does this process join its console: one more process
    // there would tell it that the window is not its own.
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(process.hProcess, 3000)) << "it closed its window at once";
    FreeConsole();
    if (AttachConsole(process.dwProcessId)) {
        EXPECT_NE(std::wstring::npos, ConsoleText().find(L"Okno zav\u0159ete kl\u00e1vesou Enter."));
        PressEnter();
        FreeConsole();
    }
    EXPECT_EQ(2u, ExitCodeOf(process));
}
} // namespace
