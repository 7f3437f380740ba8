// The Aiken reader: what it accepts in the shapes Moodle writes and reads, and each refusal with
// its line (and column where it concerns a character).

#include "convert/Messages.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

namespace {

const std::string kTwoPlusTwo = "2+2?\nA) 3\nB) 4\nC) 5\nD) 22\nANSWER: B\n";

TEST(AikenReader, ReadsWhatMoodleWritesAndReads) {
    const std::string long1023(1023, 'q');
    ExpectReads(
        kAikenFormat,
        {
            {"LF", kTwoPlusTwo, {kWorkedRecord}},
            {"CRLF, blank lines, A. and A)text, blanks and tabs trimmed, no last line end",
             "\r\n \t\r\n  Q1?\t \r\nA.  a\r\nB)b\r\nC) c  c \r\nD)\td\r\nANSWER:D\r\n\r\n\r\nQ2\nA) 1\nB) "
             "2\nC) 3\nD) 4\n"
             "ANSWER:   A",
             {MakeRecord(3, {"Q1?", "a", "b", "c  c", "d"}), MakeRecord(0, {"Q2", "1", "2", "3", "4"})}},
            {"Czech in UTF-8",
             u8"Která řeka?\nA) Vltava\nB) Morava\nC) Odra\nD) Labe\nANSWER: A\n",
             {MakeRecord(0, {"Kter\xe1 \xf8"
                             "eka?",
                             "Vltava", "Morava", "Odra", "Labe"})}},
            {"texts of 1023 characters, long blank runs around them",
             long1023 + std::string(3000, ' ') + "\nA)" + std::string(3000, ' ') + long1023 +
                 "\nB) b\nC) c\nD) d\nANSWER: C",
             {MakeRecord(2, {long1023, long1023, "b", "c", "d"})}},
        });
}

TEST(AikenReader, RefusesEveryOtherShapeWithItsLine) {
    const std::string q = "Q?\n";
    const std::string abcd = "A) a\nB) b\nC) c\nD) d\n";
    ExpectRefuses(
        kAikenFormat,
        {
            {"two options", q + "A) a\nB) b\nANSWER: A\n", 4, 0, u8"jen 2 možnosti"},
            {"no option", q + "ANSWER: A\n", 2, 0, u8"jen 0 možností"},
            {"five options", q + abcd + "E) e\nANSWER: A\n", 6, 0, u8"víc než čtyři"},
            {"letter out of order", q + "A) a\nC) c\n", 3, 0, u8"možnost B), ne C)"},
            {"lowercase letter", q + "a) a\n", 2, 0, u8"jen jeden řádek"},
            {"question over two lines", q + "and more?\n" + abcd + "ANSWER: A\n", 2, 0, u8"jen jeden řádek"},
            {"missing ANSWER line", q + abcd + "Next?\n", 6, 0, u8"řádek ANSWER:"},
            {"answer E", q + abcd + "ANSWER: E\n", 6, 0, u8"písmeno A až D"},
            {"answer of two letters", q + abcd + "ANSWER: AB\n", 6, 0, u8"písmeno A až D"},
            {"lowercase ANSWER", q + abcd + "answer: A\n", 6, 0, u8"řádek ANSWER:"},
            {"option first", "A) a\n", 1, 0, u8"patří sem otázka"},
            {"ANSWER first", "\nANSWER: A\n", 2, 0, u8"bez otázky"},
            {"blank line inside", q + "A) a\n\nB) b\n", 3, 0, u8"prázdný řádek"},
            {"empty option", q + "A) a\nB)   \n", 3, 0, u8"B) nemá text"},
            {"file ends inside", "\n\n" + q + "A) a\nB) b", 3, 0, u8"skončil uprostřed"},
            {"question of 1024 characters", std::string(1024, 'q') + "\n" + abcd + "ANSWER: A\n", 1, 0,
             u8"text otázky je delší než 1023"},
            {"option of 1024 characters", q + "A) a\nB) " + std::string(1024, 'b') + "\n", 3, 0,
             u8"text možnosti B je delší"},
            {"tab inside a text", q + "A) a\tb\n", 2, 5, "U+0009"},
            {"no question", "\n  \n\t\n", 0, 0, Messages::NoQuestion()},
            {"empty file", "", 0, 0, Messages::NoQuestion()},
        });
}

} // namespace
