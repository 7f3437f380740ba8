// The CSV reader: RFC 4180 quoting as spreadsheets save it, both delimiters, the header, and each
// refusal with its line (and column where it concerns a character).

#include "convert/Messages.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvReader, ReadsWhatSpreadsheetsSave) {
    const std::string long1023(1023, 'x');
    ExpectReads(
        kCsvFormat,
        {
            {"';', a Czech header, byte order mark, CRLF",
             u8"\xEF\xBB\xBFOtázka;A;B;C;D;Správně\r\n2+2?;3;4;5;22;B\r\n",
             {kWorkedRecord}},
            {"',', no header, answers 1 to 4 trimmed, no last line end",
             "q1,a,b,c,d, 4 \nq2,a, b ,c,d,\t1",
             {MakeRecord(3, {"q1", "a", "b", "c", "d"}), MakeRecord(0, {"q2", "a", " b ", "c", "d"})}},
            {"quotes: delimiter, doubled quote, empty cell, blanks kept, quote in an unquoted cell",
             "\"a;b\";\"say \"\"hi\"\"\";;\" x \";5\" disk;\"C\"\n",
             {MakeRecord(2, {"a;b", "say \"hi\"", "", " x ", "5\" disk"})}},
            {"';' outside quotes counts, ',' inside does not",
             "\"1,5 + 1,5\";2;3;4;5;B\n",
             {MakeRecord(1, {"1,5 + 1,5", "2", "3", "4", "5"})}},
            {"header of another word, ','",
             u8"Question,A,B,C,D,Odpověď\nq,a,b,c,d,D\n",
             {MakeRecord(3, {"q", "a", "b", "c", "d"})}},
            {"the header in words, answers a to d as typed",
             u8"Otázka;A;B;C;D;Správná odpověď\nq;a;b;c;d;b\nq;a;b;c;d;d\n",
             {MakeRecord(1, {"q", "a", "b", "c", "d"}), MakeRecord(3, {"q", "a", "b", "c", "d"})}},
            {"rows of empty cells anywhere: before the header, a spreadsheet's last row, gaps",
             "\n;;;;;\nQuestion;A;B;C;D;Answer\nq;a;b;c;d;A\n\n\"\";;;;;\r\nr;a;b;c;d;B\n;;;;;\n\n",
             {MakeRecord(0, {"q", "a", "b", "c", "d"}), MakeRecord(1, {"r", "a", "b", "c", "d"})}},
            {"';' where only it makes six cells, though ',' is more frequent",
             u8"Vyjmenuj: Praha, Brno, Plzeň, Ostrava, Liberec, Olomouc, Zlín?;ano;ne;možná;nevím;A\n",
             {MakeRecord(0, {"Vyjmenuj: Praha, Brno, Plze\xf2, Ostrava, Liberec, Olomouc, Zl\xedn?", "ano",
                             "ne", "mo\x9en\xe1", "nev\xedm"})}},
            {"',' where only it makes six cells, though ';' is more frequent",
             "a; b; c; d; e; f; g?,1,2,3,4,D\n",
             {MakeRecord(3, {"a; b; c; d; e; f; g?", "1", "2", "3", "4"})}},
            {"',' where both make six cells and only by ',' is the last an answer",
             u8"Co je 1;2;3;4;5;6?,čísla,písmena,slova,věty,A\n",
             {MakeRecord(0, {"Co je 1;2;3;4;5;6?", "\xe8\xedsla", "p\xedsmena", "slova", "v\xecty"})}},
            {"';' where both make six cells and only by ';' is the last an answer",
             u8"Vyjmenuj: Praha, Brno, Plzeň, Ostrava, Liberec, Olomouc?;ano;ne;možná;nevím;A\n",
             {MakeRecord(0, {"Vyjmenuj: Praha, Brno, Plze\xf2, Ostrava, Liberec, Olomouc?", "ano", "ne",
                             "mo\x9en\xe1", "nev\xedm"})}},
            {"';' for a header that both make six cells, as many of each",
             u8"Otázka (a, b, c, d, e);A;B;C;D;Správně\nq;a;b;c;d;C\n",
             {MakeRecord(2, {"q", "a", "b", "c", "d"})}},
            {"texts of 1023 characters",
             long1023 + ";a;" + long1023 + ";c;d;A\n",
             {MakeRecord(0, {long1023, "a", long1023, "c", "d"})}},
        });
}

TEST(CsvReader, RefusesRowsItCannotTakeWithTheirLine) {
    const std::string header = u8"Otázka;A;B;C;D;Správně\n";
    ExpectRefuses(
        kCsvFormat,
        {
            {"five cells", header + "q;a;b;c;d;A\nq;a;b;c;A\n", 3, 0, u8"řádek má 5 buněk"},
            {"seven cells", "q;a;b;c;d;A;x\n", 1, 0, u8"řádek má 7 buněk"},
            {"a blank cell is no empty cell", "q;a;b;c;d;A\n \n", 2, 0, u8"řádek má 1 buňku"},
            {"answer E", "q;a;b;c;d;E\n", 1, 0, Messages::BadRightAnswer()},
            {"answer 5", header + "q;a;b;c;d;5\n", 2, 0, Messages::BadRightAnswer()},
            {"empty answer", "q;a;b;c;d;\n", 1, 0, Messages::BadRightAnswer()},
            {"answer e", "q;a;b;c;d;e\n", 1, 0, Messages::BadRightAnswer()},
            {"text after a closing quote", "\"a\"b;a;b;c;d;A\n", 1, 4, u8"uzavírací uvozovkou"},
            {"line break inside quotes", "q;\"a\r\nb\";b;c;d;A\n", 1, 5, u8"zalomení řádku"},
            {"quote never closed", "q;a;b;c;d;\"B", 1, 11, u8"nemá uzavírací"},
            {"tab in a text", "q;a\tb;b;c;d;A\n", 1, 4, "U+0009"},
            {"tab in a quoted text, after a doubled quote", "q;\"a\"\"\tb\";b;c;d;A\n", 1, 7, "U+0009"},
            {"tab before the quote that never closes", "q;\"a\tb;b;c;d;A\n", 1, 5, "U+0009"},
            {"option of 1024 characters", "q;a;" + std::string(1024, 'b') + ";c;d;A\n", 1, 0,
             u8"text možnosti B je delší"},
            {"header alone", header, 1, 0, Messages::OnlyHeader()},
            {"header alone after empty rows", "\n;;;;;\n" + header + ";;;;;\n", 3, 0, Messages::OnlyHeader()},
            {"empty rows alone", "\n;;;;;\n\n", 0, 0, Messages::NoQuestion()},
        });
}

// A cell's end and a tab in it are looked for a word of bytes at a time: at each place of a word,
// and in the bytes after the last whole word of a line.
TEST(CsvReader, FindsQuotesDelimitersAndTabsAtEveryPlace) {
    std::vector<std::string> names;
    names.reserve(17);
    std::vector<GoodInput> read;
    std::vector<BadInput> refused;
    for (int place = 0; place <= 16; ++place) {
        names.push_back("after " + std::to_string(place) + " bytes");
        const char* name = names.back().c_str();
        const std::string x(static_cast<size_t>(place), 'x'), blanks(static_cast<size_t>(place), ' ');
        read.push_back({name,
                        "q;\"" + x + "\"\"y\";" + x + ";c;\"d" + x + "\";" + blanks + "A\n",
                        {MakeRecord(0, {"q", x + "\"y", x, "c", "d" + x})}});
        // The last one ends where the line does, with fewer bytes than a word.
        read.push_back(
            {name, "q;a;b;c;\"" + x + "\"\"\";B", {MakeRecord(1, {"q", "a", "b", "c", x + "\""})}});
        refused.push_back({name, "q;\"" + x + "\ty\";b;c;d;A\n", 1, 4 + place, "U+0009"});
        refused.push_back({name, "q;a;b;c;" + x + "\ty;A\n", 1, 9 + place, "U+0009"});
    }
    ExpectReads(kCsvFormat, read);
    ExpectRefuses(kCsvFormat, refused);
}

TEST(CsvReader, Takes50000QuestionsAndRefusesOneMore) {
    std::string rows;
    for (int i = 0; i < 50000; ++i)
        rows += "q;a;b;c;d;A\n";
    EXPECT_EQ(50000, ReadBytes(kCsvFormat, rows).questions.Count());
    const ReadResult result = ReadBytes(kCsvFormat, rows + "q;a;b;c;d;A\n");
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_EQ(50001, result.refusal->line);
    EXPECT_EQ(Messages::TooManyQuestions(), result.refusal->reason);
}

} // namespace
