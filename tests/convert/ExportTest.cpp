// Writing questions out: the exact bytes of each format, what each refuses to write, and the round
// trips .tst -> .csv -> .tst and .tst -> .txt -> .tst, byte for byte.

#include "tests/convert/MemoryFiles.h"
#include "convert/formats/Format.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/WordDocument.h"
#include "storage/TestFileEncoder.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

TEST(Export, AikenIsWrittenAsMoodleWritesIt) {
    EXPECT_EQ(
        "2+2?\r\nA) 3\r\nB) 4\r\nC) 5\r\nD) 22\r\nANSWER: B\r\n\r\n"
        "\xc4\x8d?\r\nA) \xe2\x82\xac\r\nB) b\r\nC) c\r\nD) d\r\nANSWER: D\r\n\r\n"
        // One Czech letter is two bytes in UTF-8, which Moodle reads as a question.
        "\xc4\x8d\r\nA) a\r\nB) b\r\nC) c\r\nD) d\r\nANSWER: A\r\n\r\n",
        WriteBytes(kAikenFormat, ArrayOf({kWorkedRecord, MakeRecord(3, {"\xe8?", "\x80", "b", "c", "d"}),
                                          MakeRecord(0, {"\xe8", "a", "b", "c", "d"})})));
}

TEST(Export, CsvHasMarkHeaderSemicolonsAndEveryTextQuoted) {
    EXPECT_EQ("\xEF\xBB\xBF"
              "Ot\xc3\xa1zka;A;B;C;D;Spr\xc3\xa1vn\xc4\x9b\r\n"
              "\"a;b\";\"say \"\"hi\"\"\";\"\";\"\xc4\x8d\xe2\x82\xac\";\"x, y\";C\r\n"
              "\"1/2\";\"0012\";\"=1+1\";\"a\";\"b\";A\r\n",
              WriteBytes(kCsvFormat, ArrayOf({MakeRecord(2, {"a;b", "say \"hi\"", "", "\xe8\x80", "x, y"}),
                                              MakeRecord(0, {"1/2", "0012", "=1+1", "a", "b"})})));
}

struct ExportRefusal {
    const char* name;
    const Format& format;
    QuestionRecord second; // follows a question every format can carry
    std::string reason;    // a part of the reason
    bool pointsToCsv;      // Aiken's own limits send the user to CSV
};

TEST(Export, RefusesWhatTheFormatCannotCarryNamingTheQuestion) {
    const ExportRefusal cases[] = {
        {"no right answer", kCsvFormat, MakeRecord(-1, {"q", "a", "b", "c", "d"}),
         u8"otázka 2: není označena", false},
        {"answer index 4", kAikenFormat, MakeRecord(4, {"q", "a", "b", "c", "d"}),
         u8"otázka 2: není označena", false},
        {"line break", kCsvFormat, MakeRecord(0, {"q\r\nr", "a", "b", "c", "d"}),
         u8"otázka 2: text otázky obsahuje", false},
        {"tab", kAikenFormat, MakeRecord(0, {"q", "a", "b", "c", "d\te"}), u8"text možnosti D obsahuje",
         false},
        {"empty option", kAikenFormat, MakeRecord(0, {"q", "a", "", "c", "d"}), u8"prázdný text možnosti B",
         true},
        {"blank after", kAikenFormat, MakeRecord(0, {"q ", "a", "b", "c", "d"}), u8"otázky začíná nebo končí",
         true},
        {"blank before", kAikenFormat, MakeRecord(0, {"q", "a", "b", "c", " d"}), u8"možnosti D začíná",
         true},
        {"question as option", kAikenFormat, MakeRecord(0, {"B. Smetana?", "a", "b", "c", "d"}),
         u8"jako možnost", true},
        {"question as answer", kAikenFormat, MakeRecord(0, {"ANSWER: A", "a", "b", "c", "d"}),
         u8"řádek ANSWER:", true},
        {"question of one character", kAikenFormat, MakeRecord(0, {"?", "a", "b", "c", "d"}),
         u8"otázka 2: Moodle nepřečte otázku kratší než dva znaky", true},
        // A tab and the line ends go on paper; no other control can be written into its XML.
        {"bell on paper", kWordDocumentFormat, MakeRecord(0, {"q\tr\r\n", "a\n", "b\r", "c\x07", "d"}),
         u8"otázka 2, možnost C: řídicí znak U+0007 nelze do dokumentu zapsat; smažte jej v programu Kvizar "
         u8"tlačítkem „Editovat test“",
         false},
        {"escape on paper", kWordDocumentFormat, MakeRecord(0, {"q\x1b", "a", "b", "c", "d"}),
         u8"otázka 2, text otázky: řídicí znak U+001B", false},
        {"delete on paper", kWordDocumentFormat, MakeRecord(0, {"q", "a", "b", "c", "d\x7f"}),
         u8"otázka 2, možnost D: řídicí znak U+007F", false},
    };
    for (const ExportRefusal& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Refusal> refusal = CheckExport(c.format, ArrayOf({kWorkedRecord, c.second}));
        ASSERT_TRUE(refusal.has_value());
        EXPECT_NE(std::string::npos, refusal->reason.find(c.reason)) << refusal->reason;
        EXPECT_EQ(c.pointsToCsv, refusal->reason.find("CSV (.csv)") != std::string::npos) << refusal->reason;
    }
}

Bytes Encode(const QuestionArray& questions) {
    MemorySink sink;
    kTestFileFormat.write(questions, WriteOptions{}, sink);
    return sink.bytes;
}

// .tst -> format -> .tst; the test file must come back byte for byte.
::testing::AssertionResult RoundTripsThrough(const Format& format, const Bytes& testFile) {
    MemorySource source(testFile.data(), testFile.size());
    ReadResult test = kTestFileFormat.read(source);
    if (test.refusal)
        return ::testing::AssertionFailure() << "the test file is refused: " << test.refusal->reason;
    ReadResult back = ReadBytes(format, WriteBytes(format, test.questions));
    if (back.refusal)
        return ::testing::AssertionFailure() << back.refusal->Describe("written");
    if (Encode(back.questions) != testFile)
        return ::testing::AssertionFailure() << "the test file differs";
    return ::testing::AssertionSuccess();
}

TEST(Export, TestWithEveryCzechLetterRoundTrips) {
    const Bytes test = Encode(ArrayOf({
        MakeRecord(0, {"P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1"
                       "belsk\xe9 \xf3"
                       "dy?",
                       "a;b", "\"quoted\"", "\x80 5",
                       "\x84"
                       "dob\xf8"
                       "e\x93"}),
        MakeRecord(3, {"P\xd8\xcdLI\x8a \x8eLU\x8dOU\xc8K\xdd K\xd9\xd2 \xdaP\xccL \xcf\xc1"
                       "BELSK\xc9 \xd3"
                       "DY?",
                       "1", "2", "3", std::string(1023, '\x9e')}),
    }));
    EXPECT_TRUE(RoundTripsThrough(kCsvFormat, test));
    EXPECT_TRUE(RoundTripsThrough(kAikenFormat, test));
}

TEST(Export, SampleTestRoundTrips) {
#ifdef KVIZAR_SAMPLE_TEST
    std::ifstream file(KVIZAR_SAMPLE_TEST, std::ios::binary);
    const Bytes sample{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_GT(sample.size(), 100u);
    EXPECT_TRUE(RoundTripsThrough(kCsvFormat, sample));
    EXPECT_TRUE(RoundTripsThrough(kAikenFormat, sample));
#else
    GTEST_SKIP() << "the sample test is made by the Windows build";
#endif
}

} // namespace
