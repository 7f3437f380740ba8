// The web page a test becomes: its texts as data that no text can break out of, the name in the
// title, the right answers hidden, the program's own scoring, and how little the page adds. The
// browser test (page_test.py) runs the page itself.

#include "convert/formats/HtmlPage.h"
#include "tests/convert/MemoryFiles.h"
#include "tests/convert/ConvertTesting.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string PageOf(const std::vector<QuestionRecord>& records, const std::string& name = "Zkouška") {
    MemorySink sink;
    kHtmlPageFormat.write(ArrayOf(records), WriteOptions{name}, sink);
    return std::string(sink.bytes.begin(), sink.bytes.end());
}

// The JSON inside <script type="application/json">.
std::string DataOf(const std::string& page) {
    const std::string start = "<script type=\"application/json\" id=\"data\">";
    const size_t from = page.find(start) + start.size();
    return page.substr(from, page.find("</script>", from) - from);
}

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(HtmlPage, TextsAreDataThatNoTextCanBreakOutOf) {
    const struct {
        const char* name;
        std::string text; // Windows-1250
        std::string json; // as the page stores it
    } cases[] = {
        {"markup", "<b>tu\xe8n\xec</b>", u8R"("\u003cb\u003etučně\u003c/b\u003e")"},
        {"end of script", "</script><script>alert(1)</script>",
         R"("\u003c/script\u003e\u003cscript\u003ealert(1)\u003c/script\u003e")"},
        {"attribute", "\" onmouseover=\"alert(1)", R"j("\u0022 onmouseover=\u0022alert(1)")j"},
        {"comment and entity", "<!-- &amp; \\", R"("\u003c!-- \u0026amp; \u005c")"},
        {"controls", "\x01\t\r\n\x7f|", "\"\\u0001\\u0009\\u000d\\u000a\x7f|\""},
        {"Windows-1250", "\x8a\xe8\xec\xf9\x80", u8"\"Ščěů€\""},
        {"empty", "", "\"\""},
    };
    std::vector<QuestionRecord> records;
    for (const auto& c : cases)
        records.push_back(MakeRecord(0, {c.text, "a", "b", "c", "d"}));
    const std::string page = PageOf(records);
    const std::string data = DataOf(page);
    for (const auto& c : cases)
        EXPECT_NE(std::string::npos, data.find(c.json + R"(,"a","b","c","d",)")) << c.name << "\n" << data;
    EXPECT_EQ(std::string::npos, data.find_first_of("<>&"));
    EXPECT_EQ(2u, Occurrences(page, "<script"));
    EXPECT_EQ(2u, Occurrences(page, "</script"));
}

TEST(HtmlPage, TheNameStandsEscapedInTheTitleAndTheData) {
    const std::string page = PageOf({kWorkedRecord}, u8"<Zkouška & \"spol\">");
    EXPECT_NE(std::string::npos, page.find(u8"<title>Kvizar 2004 - &lt;Zkouška &amp; \"spol\"&gt;</title>"));
    EXPECT_NE(std::string::npos,
              DataOf(page).find(u8R"({"name":"\u003cZkouška \u0026 \u0022spol\u0022\u003e",)"));
}

TEST(HtmlPage, IsOneCzechPageThatSaysWhenItCannotRun) {
    const std::string page = PageOf({kWorkedRecord});
    EXPECT_EQ(0u, page.find("<!DOCTYPE html>\n<html lang=\"cs\">"));
    EXPECT_NE(std::string::npos,
              page.find(u8"<noscript><p>Tento test potřebuje JavaScript. Otevřete soubor v "
                        u8"prohlížeči (Chrome, Edge, Firefox, Safari).</p></noscript>"));
    EXPECT_NE(std::string::npos, page.find("<meta name=\"viewport\""));
    EXPECT_EQ(std::string::npos, page.find("http://"));
    EXPECT_EQ(std::string::npos, page.find("https://"));
}

// The bands, verdicts, judging texts and colours the results window uses, as the page's script
// reads them.
TEST(HtmlPage, CarriesTheProgramsScoring) {
    const std::string data = DataOf(PageOf({kWorkedRecord}));
    EXPECT_NE(
        std::string::npos,
        data.find(u8R"("right":"Správná odpověď!","wrong":"Špatně, správná odpověď je: ","wrongEnd":"!",)"
                  u8R"("rate":"Úspěšnost: %0.2f %%","passFrom":50,"passColour":"#008000",)"
                  u8R"("failColour":"#ff0000","bands":[[0,"Hrůza.....!"],[20,"Je to bída.....!"],)"
                  u8R"([40,"Průměrný výsledek....."],[60,"Docela dobré....."],[80,"Výborně....."],)"
                  u8R"([100,"Absolutní úspěšnost!!!"]],)"))
        << data;
}

TEST(HtmlPage, RightAnswersAreNeverStoredPlainYetEachCanBeToldApart) {
    for (int32_t index = 0; index < 12; ++index) {
        SCOPED_TRACE(index);
        std::set<int> stored;
        for (int32_t correct = 0; correct < 4; ++correct) {
            EXPECT_NE(correct, HtmlPage::HiddenAnswer(correct, index));
            stored.insert(HtmlPage::HiddenAnswer(correct, index));
        }
        const int none = HtmlPage::HiddenAnswer(-1, index);
        EXPECT_EQ(none, HtmlPage::HiddenAnswer(4, index));
        EXPECT_EQ(none, HtmlPage::HiddenAnswer(1000, index));
        stored.insert(none);
        EXPECT_EQ(5u, stored.size());
    }
    // The same right option in a row of questions is stored differently each time.
    const std::string data = DataOf(PageOf({kWorkedRecord, kWorkedRecord, kWorkedRecord, kWorkedRecord}));
    EXPECT_NE(std::string::npos, data.find(R"("22",2,)"));
    EXPECT_NE(std::string::npos, data.find(R"("22",3,)"));
    EXPECT_NE(std::string::npos, data.find(R"("22",4,)"));
    EXPECT_NE(std::string::npos, data.find(R"("22",0])"));
}

// What the page adds to its texts: the page itself once (its script talks to a learning platform
// too), then a few bytes of punctuation and the hidden answer a question.
TEST(HtmlPage, AddsLessThanTwelveKilobytesToItsTexts) {
    const QuestionRecord record = MakeRecord(1, {"q", "a", "b", "c", "d"});
    const size_t one = PageOf({record}).size() - 5;
    EXPECT_LE(one, 12u * 1024u);
    EXPECT_EQ(one + 17u, PageOf({record, record}).size() - 10);
}

} // namespace
