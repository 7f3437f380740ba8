// The command line's rules over files kept in memory: formats by extension, exactly one test,
// the existing target, and the one line each outcome prints.

#include "convert/ConvertCommand.h"
#include "convert/formats/HtmlPage.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/ScormPackage.h"
#include "tests/convert/MemoryFiles.h"
#include "convert/Messages.h"
#include "storage/Cp1250Check.h"
#include "convert/formats/Format.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class MemoryFiles : public FileAccess {
public:
    bool Exists(const std::string& path) override { return files.count(path) > 0; }

    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end())
            throw FileAccessError(u8"Soubor " + path + u8" nebyl nalezen.");
        const std::string& bytes = found->second;
        return std::make_unique<MemorySource>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }

    bool SaveSafely(const std::string& path, bool replace,
                    const std::function<void(ByteSink&)>& write) override {
        MemorySink sink;
        write(sink);
        files.insert(madeMeanwhile.begin(), madeMeanwhile.end());
        if (diskFull)
            throw FileAccessError(u8"Při zápisu souboru " + path + u8" došlo místo na disku.");
        if (!replace && Exists(path))
            return false;
        files[path] = std::string(sink.bytes.begin(), sink.bytes.end());
        return true;
    }

    std::map<std::string, std::string> files;
    // Files another program makes while a conversion writes its own.
    std::map<std::string, std::string> madeMeanwhile;
    bool diskFull = false;
};

const std::string kWorkedAiken = "2+2?\nA) 3\nB) 4\nC) 5\nD) 22\nANSWER: B\n";
const std::string kWorkedTest(kWorkedExample.begin(), kWorkedExample.end());

class ConvertCommandTest : public ::testing::Test {
protected:
    ConvertOutcome Run(const std::vector<std::string>& arguments) {
        return ConvertCommand(files).Run(CommandLine::Parse(arguments), arguments);
    }

    MemoryFiles files;
};

TEST_F(ConvertCommandTest, TakesEachFormatByItsExtensionInAnyCase) {
    const struct {
        const char* path;
        const Format* format;
    } cases[] = {
        {"a.TST", &kTestFileFormat},
        {"b.Txt", &kAikenFormat},
        {"dir.x/c.cSv", &kCsvFormat},
        {u8"Zeměpis.HTML", &kHtmlPageFormat},
        {"p.Zip", &kScormPackageFormat},
        {"d.tst.bak", nullptr},
        {"dir.txt/e", nullptr},
        {"dir.csv\\f", nullptr},
        {"g", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.format, FormatOf(c.path)) << c.path;
}

TEST_F(ConvertCommandTest, ConvertsAndNamesTheCountAndTheTarget) {
    files.files["in.TXT"] = kWorkedAiken;
    ConvertOutcome outcome = Run({"in.TXT", "out.tst"});
    EXPECT_EQ(0, outcome.exitCode);
    EXPECT_EQ(u8"1 otázka uložena do out.tst", outcome.message);
    EXPECT_EQ(kWorkedTest, files.files["out.tst"]);

    files.files["three.csv"] = "q;a;b;c;d;A\nq;a;b;c;d;B\nq;a;b;c;d;C\n";
    EXPECT_EQ(u8"3 otázky uloženy do three.tst", Run({"three.csv", "three.tst"}).message);
}

TEST_F(ConvertCommandTest, KeepsAnExistingTargetUnlessForced) {
    files.files["in.tst"] = kWorkedTest;
    files.files["out.csv"] = "old";
    ConvertOutcome outcome = Run({"in.tst", "out.csv"});
    EXPECT_EQ(1, outcome.exitCode);
    EXPECT_EQ(u8"out.csv: soubor už existuje; přepsat jej dovolí volba --force", outcome.message);
    EXPECT_EQ("old", files.files["out.csv"]);

    EXPECT_EQ(0, Run({"--force", "in.tst", "out.csv"}).exitCode);
    EXPECT_EQ(WriteBytes(kCsvFormat, ArrayOf({kWorkedRecord})), files.files["out.csv"]);
}

TEST_F(ConvertCommandTest, KeepsATargetMadeDuringTheConversionUnlessForced) {
    files.files["in.txt"] = kWorkedAiken;
    files.madeMeanwhile["out.tst"] = "theirs";
    ConvertOutcome outcome = Run({"in.txt", "out.tst"});
    EXPECT_EQ(1, outcome.exitCode);
    EXPECT_EQ("out.tst: " + Messages::TargetExists(), outcome.message);
    EXPECT_EQ("theirs", files.files["out.tst"]);

    files.files.erase("out.tst");
    EXPECT_EQ(0, Run({"in.txt", "out.tst", "--force"}).exitCode);
    EXPECT_EQ(kWorkedTest, files.files["out.tst"]);
}

// A first row taken for a header is named in the result line, the converter's own header too.
TEST_F(ConvertCommandTest, NamesAFirstRowSkippedAsAHeader) {
    const struct {
        std::string csv;
        std::string message;
    } cases[] = {
        {u8"Hlavní město?;Praha;Brno;Plzeň;Ostrava;AB\nq;a;b;c;d;A\n",
         u8"1 otázka uložena do out.tst (první řádek „Hlavní město?“ byl přeskočen jako záhlaví)"},
        {WriteBytes(kCsvFormat, ArrayOf({kWorkedRecord})),
         u8"1 otázka uložena do out.tst (první řádek „Otázka“ byl přeskočen jako záhlaví)"},
        {"q;a;b;c;d;A\n", u8"1 otázka uložena do out.tst"},
    };
    for (const auto& c : cases) {
        files.files = {{"in.csv", c.csv}};
        EXPECT_EQ(c.message, Run({"in.csv", "out.tst"}).message) << c.csv;
    }
}

TEST_F(ConvertCommandTest, PrintsItsUsageWhenAskedForHelp) {
    for (const char* help : {"--help", "-h", "/?"}) {
        const ConvertOutcome outcome = Run({help});
        EXPECT_EQ(0, outcome.exitCode) << help;
        EXPECT_EQ(Messages::Usage(), outcome.message) << help;
    }
}

// A test becomes a page named after the test file, whatever its answers; a page becomes nothing.
TEST_F(ConvertCommandTest, MakesAPageOfATestUnderTheTestsName) {
    QuestionRecord unanswered = kWorkedRecord;
    unanswered.correct = -1;
    files.files[u8"dir.x/Zeměpis.tst"] = WriteBytes(kTestFileFormat, ArrayOf({kWorkedRecord, unanswered}));
    ConvertOutcome outcome = Run({u8"dir.x/Zeměpis.tst", "page.html"});
    EXPECT_EQ(0, outcome.exitCode);
    EXPECT_EQ(Messages::Converted(2, "page.html"), outcome.message);
    EXPECT_NE(std::string::npos, files.files["page.html"].find(u8"<title>Kvizar 2004 - Zeměpis</title>"));
}

TEST_F(ConvertCommandTest, RefusesWithTheFileLineAndColumn) {
    files.files["in.tst"] = kWorkedTest;
    files.files["order.txt"] = "Q\nA) a\nC) c\n";
    files.files["cyrillic.csv"] = u8"q;a;b;c;d;A\nq;ф;b;c;d;A\n";
    files.files["none.tst"] = std::string(kWorkedTest.begin(), kWorkedTest.begin() + 20);
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {{"order.txt", "out.tst"}, 1, u8"order.txt:3: má tu být možnost B), ne C)"},
        {{"cyrillic.csv", "out.tst"}, 1, u8"cyrillic.csv:2:3: " + Cp1250Check::Message(0x444)},
        {{"none.tst", "out.txt"}, 1, u8"none.tst: " + Messages::DamagedTest()},
        {{"missing.csv", "out.tst"}, 1, u8"Soubor missing.csv nebyl nalezen."},
        {{"in.tst", "out.doc"}, 1, u8"out.doc: " + Messages::UnknownFormat()},
        {{"in.tst", "out.tst"}, 2, Messages::OneSideTest()},
        {{"order.txt", "out.csv"}, 2, Messages::OneSideTest()},
        {{"order.txt", "out.html"}, 2, Messages::OneSideTest()},
        {{"page.html", "out.tst"}, 1, u8"page.html: " + Messages::PageNotRead()},
        {{"package.zip", "out.tst"}, 1, u8"package.zip: " + Messages::PageNotRead()},
        {{"order.txt", "out.zip"}, 2, Messages::OneSideTest()},
        {{"in.tst"}, 2, Messages::Usage()},
        {{"in.tst", "a.csv", "b.csv"}, 2, Messages::Usage()},
        {{"paper.docx", "out.tst"}, 1, u8"paper.docx: " + Messages::PageNotRead()},
        {{"in.tst", "out.docx", "--groups", "0"}, 1, Messages::BadGroups("0")},
        {{"--groups", "7", "in.tst", "out.docx"}, 1, Messages::BadGroups("7")},
        {{"in.tst", "--groups", "x", "out.docx"}, 1, Messages::BadGroups("x")},
        {{"in.tst", "out.docx", "--groups", "03"}, 1, Messages::BadGroups("03")},
        {{"in.tst", "out.docx", "--groups"}, 1, Messages::BadGroups("")},
        {{"in.tst", "out.html", "--groups", "3"}, 1, Messages::GroupsNotForOutput()},
        {{"order.txt", "out.tst", "--groups", "3"}, 1, Messages::GroupsNotForOutput()},
        {{"in.tst", "out.docx", "--to", "docx"}, 2, Messages::Usage()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ConvertOutcome outcome = Run(c.arguments);
        EXPECT_EQ(c.exitCode, outcome.exitCode);
        EXPECT_EQ(c.message, outcome.message);
    }
    EXPECT_EQ(4u, files.files.size()); // nothing written
}

TEST_F(ConvertCommandTest, ExportRefusalAndFailedSaveWriteNothing) {
    QuestionRecord unanswered = kWorkedRecord;
    unanswered.correct = -1;
    MemorySink test;
    kTestFileFormat.write(ArrayOf({kWorkedRecord, unanswered}), WriteOptions{}, test);
    files.files["in.tst"] = std::string(test.bytes.begin(), test.bytes.end());
    EXPECT_EQ("in.tst: " + Messages::NoRightAnswer(2), Run({"in.tst", "out.csv"}).message);

    files.files["in.txt"] = kWorkedAiken;
    files.diskFull = true;
    ConvertOutcome outcome = Run({"in.txt", "out.tst"});
    EXPECT_EQ(1, outcome.exitCode);
    EXPECT_EQ(u8"Při zápisu souboru out.tst došlo místo na disku.", outcome.message);
    EXPECT_EQ(2u, files.files.size());
}

} // namespace
