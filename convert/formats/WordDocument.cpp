#include "convert/formats/WordDocument.h"

#include "convert/GroupOrder.h"
#include "convert/Messages.h"
#include "convert/XmlText.h"
#include "convert/ZipWriter.h"
#include "run/Scoring.h"
#include "storage/Cp1250.h"

#include <algorithm>
#include <string_view>

namespace {

#define W_NS "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
#define R_NS "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
#define XML_DECLARATION "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"

constexpr std::string_view kContentTypes = XML_DECLARATION
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>)"
    R"(<Override PartName="/word/footer1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>)"
    R"(<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>)"
    R"(</Types>)";

constexpr std::string_view kPackageRelationships = XML_DECLARATION
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)"
    R"(</Relationships>)";

constexpr std::string_view kDocumentRelationships = XML_DECLARATION
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer" Target="footer1.xml"/>)"
    R"(</Relationships>)";

// Calibri, which Windows has and whose metric twin (Carlito) Debian has, so that LibreOffice breaks
// the pages where Word does. Word's own style names ("heading 1"), which a Czech Word shows in Czech.
constexpr std::string_view kStyles = XML_DECLARATION
    "<w:styles " W_NS ">"
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Calibri" w:hAnsi="Calibri" w:eastAsia="Calibri" w:cs="Calibri"/>)"
    R"(<w:sz w:val="22"/><w:szCs w:val="22"/><w:lang w:val="cs-CZ"/></w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="259" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
    R"(<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/>)"
    R"(<w:uiPriority w:val="1"/><w:semiHidden/><w:unhideWhenUsed/></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:uiPriority w:val="99"/>)"
    R"(<w:semiHidden/><w:unhideWhenUsed/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>)"
    R"(<w:left w:w="85" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="85" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Title"><w:name w:val="Title"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/>)"
    R"(<w:uiPriority w:val="10"/><w:qFormat/><w:pPr><w:keepNext/><w:spacing w:after="120"/></w:pPr>)"
    R"(<w:rPr><w:b/><w:bCs/><w:sz w:val="32"/><w:szCs w:val="32"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/>)"
    R"(<w:uiPriority w:val="9"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before="240" w:after="120"/>)"
    R"(<w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="26"/><w:szCs w:val="26"/></w:rPr></w:style>)"
    u8R"(<w:style w:type="paragraph" w:customStyle="1" w:styleId="Otazka"><w:name w:val="Otázka"/><w:basedOn w:val="Normal"/>)"
    R"(<w:next w:val="Moznost"/><w:qFormat/><w:pPr><w:spacing w:before="200" w:after="60"/></w:pPr><w:rPr><w:b/><w:bCs/></w:rPr></w:style>)"
    u8R"(<w:style w:type="paragraph" w:customStyle="1" w:styleId="Moznost"><w:name w:val="Možnost"/><w:basedOn w:val="Normal"/>)"
    R"(<w:qFormat/><w:pPr><w:spacing w:after="20"/><w:ind w:left="425"/></w:pPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Footer"><w:name w:val="footer"/><w:basedOn w:val="Normal"/><w:uiPriority w:val="99"/>)"
    R"(<w:unhideWhenUsed/><w:pPr><w:tabs><w:tab w:val="right" w:pos="9638"/></w:tabs></w:pPr>)"
    R"(<w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr></w:style>)"
    R"(</w:styles>)";

// Compatibility mode 15, or Word opens the document as an old one; no automatic hyphenation, which
// would break a question's words differently in each reader.
constexpr std::string_view kSettings = XML_DECLARATION
    "<w:settings " W_NS ">"
    R"(<w:zoom w:percent="100"/><w:defaultTabStop w:val="708"/><w:autoHyphenation w:val="false"/>)"
    R"(<w:characterSpacingControl w:val="doNotCompress"/><w:compat><w:compatSetting w:name="compatibilityMode" )"
    R"(w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat><w:themeFontLang w:val="cs-CZ"/>)"
    R"(<w:decimalSymbol w:val=","/><w:listSeparator w:val=";"/></w:settings>)";

constexpr std::string_view kText = R"(<w:t xml:space="preserve">)";
constexpr std::string_view kTextEnd = "</w:t>";
// Lines of an A4 page inside margins of 2 cm: 11906 - 2 x 1134 twips wide.
constexpr int kTextWidth = 9638;
constexpr int kKeyColumns = 10;
constexpr char kLetters[] = "ABCD";
constexpr size_t kFlushAt = 1 << 20;

// Borders on every cell: a table that reads as a grid on paper, whatever style the reader knows.
constexpr std::string_view kGridBorders =
    R"(<w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="000000"/>)"
    R"(<w:left w:val="single" w:sz="4" w:space="0" w:color="000000"/><w:bottom w:val="single" w:sz="4" w:space="0" w:color="000000"/>)"
    R"(<w:right w:val="single" w:sz="4" w:space="0" w:color="000000"/><w:insideH w:val="single" w:sz="4" w:space="0" w:color="000000"/>)"
    R"(<w:insideV w:val="single" w:sz="4" w:space="0" w:color="000000"/></w:tblBorders>)";

std::string Colour(Rgb colour) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string hex;
    for (const uint8_t part : {colour.red, colour.green, colour.blue})
        hex += {kHex[part >> 4], kHex[part & 0xF]};
    return hex;
}

// A part's XML, gathered in a buffer and handed to the ZIP entry a megabyte at a time.
class Part {
public:
    explicit Part(ByteSink& sink) : m_sink(sink) { m_xml.reserve(kFlushAt + kFlushAt / 4); }

    std::string& Xml() { return m_xml; }
    Part& operator<<(std::string_view text) {
        m_xml.append(text);
        return *this;
    }
    Part& operator<<(int32_t number) { return *this << std::string_view(std::to_string(number)); }

    // One paragraph of one run: its properties (the elements inside w:pPr, or none) and its text,
    // UTF-8.
    void Paragraph(std::string_view properties, std::string_view text, std::string_view runProperties = {}) {
        *this << "<w:p>";
        if (!properties.empty())
            *this << "<w:pPr>" << properties << "</w:pPr>";
        *this << "<w:r>";
        if (!runProperties.empty())
            *this << "<w:rPr>" << runProperties << "</w:rPr>";
        *this << kText;
        AppendXmlText(m_xml, text);
        *this << kTextEnd << "</w:r></w:p>";
    }

    // A text of the test, Windows-1250, inside an open w:t: a tab as w:tab, a CR LF, a lone LF or a
    // lone CR as one w:br (an XML reader turns a raw CR into LF, and LibreOffice shows a raw LF as a
    // blank). The export check has let no other control through.
    void TestText(const char* field) {
        char utf8[(kTextFieldSize - 1) * Cp1250::kMostUtf8Bytes];
        char* out = utf8;
        const size_t length = TextFieldLength(field);
        for (size_t i = 0; i < length; ++i) {
            const uint8_t byte = static_cast<uint8_t>(field[i]);
            if (byte != '\t' && byte != '\r' && byte != '\n') {
                out = Cp1250::PutUtf8(byte, out);
                continue;
            }
            AppendXmlText(m_xml, std::string_view(utf8, static_cast<size_t>(out - utf8)));
            out = utf8;
            if (byte == '\r' && i + 1 < length && field[i + 1] == '\n')
                ++i;
            *this << kTextEnd << (byte == '\t' ? "<w:tab/>" : "<w:br/>") << kText;
        }
        AppendXmlText(m_xml, std::string_view(utf8, static_cast<size_t>(out - utf8)));
    }

    // A table of columns of these widths, in twips.
    void BeginTable(const std::vector<int>& widths) {
        int total = 0;
        for (const int width : widths)
            total += width;
        *this << R"(<w:tbl><w:tblPr><w:tblW w:w=")" << total << R"(" w:type="dxa"/>)" << kGridBorders
              << R"(<w:tblLayout w:type="fixed"/></w:tblPr><w:tblGrid>)";
        for (const int width : widths)
            *this << R"(<w:gridCol w:w=")" << width << R"("/>)";
        *this << "</w:tblGrid>";
        m_widths = widths;
    }
    // A cell of the current table's column column: its paragraph's runs, or an empty paragraph.
    void Cell(size_t column, std::string_view text, std::string_view runProperties = {}) {
        *this << R"(<w:tc><w:tcPr><w:tcW w:w=")" << m_widths[column] << R"(" w:type="dxa"/></w:tcPr>)";
        if (text.empty())
            *this << "<w:p/>";
        else
            Paragraph({}, text, runProperties);
        *this << "</w:tc>";
    }

    void FlushWhenFull() {
        if (m_xml.size() >= kFlushAt)
            Flush();
    }
    void Flush() {
        m_sink.Write(reinterpret_cast<const uint8_t*>(m_xml.data()), m_xml.size());
        m_xml.clear();
    }

private:
    ByteSink& m_sink;
    std::string m_xml;
    std::vector<int> m_widths;
};

std::string GroupName(int group) {
    return u8"Skupina " + std::string(1, static_cast<char>('A' + group));
}

// A group's sheet: the name, the group, the lines to fill in, the instruction, then every question
// with its options, held together on one page.
void WriteSheet(Part& part, const QuestionArray& questions, const std::vector<int32_t>& order, int group,
                const WriteOptions& options) {
    part.Paragraph(group == 0 ? R"(<w:pStyle w:val="Title"/>)"
                              : R"(<w:pStyle w:val="Title"/><w:pageBreakBefore/>)",
                   options.testName);
    if (options.groups > 1)
        part.Paragraph(R"(<w:pStyle w:val="Heading1"/>)", GroupName(group));
    // Room to write: each label is followed by a tab whose stop draws a line up to it.
    part
        << R"(<w:p><w:pPr><w:tabs><w:tab w:val="left" w:leader="underscore" w:pos="4820"/>)"
           R"(<w:tab w:val="left" w:leader="underscore" w:pos="7088"/><w:tab w:val="right" w:leader="underscore" w:pos=")"
        << kTextWidth << R"("/></w:tabs><w:spacing w:before="240" w:after="240"/></w:pPr><w:r>)" << kText
        << u8"Jméno: </w:t><w:tab/>" << kText << u8" Třída: </w:t><w:tab/>" << kText
        << u8" Datum: </w:t><w:tab/></w:r></w:p>";
    part.Paragraph({}, u8"U každé otázky zakroužkujte písmeno správné odpovědi.");
    for (size_t number = 0; number < order.size(); ++number) {
        const QuestionRecord& record = questions[order[number]];
        part << R"(<w:p><w:pPr><w:pStyle w:val="Otazka"/><w:keepNext/><w:keepLines/></w:pPr><w:r>)" << kText
             << static_cast<int32_t>(number + 1) << ". ";
        part.TestText(record.text[FieldQuestion]);
        part << kTextEnd << "</w:r></w:p>";
        for (int option = 0; option < 4; ++option) {
            part
                << (option < 3
                        ? R"(<w:p><w:pPr><w:pStyle w:val="Moznost"/><w:keepNext/><w:keepLines/></w:pPr><w:r>)"
                        : R"(<w:p><w:pPr><w:pStyle w:val="Moznost"/><w:keepLines/></w:pPr><w:r>)")
                << kText;
            part.Xml() += {kLetters[option], ')', ' '};
            part.TestText(record.text[FieldAnswer1 + option]);
            part << kTextEnd << "</w:r></w:p>";
        }
        part.FlushWhenFull();
    }
}

// For the teacher: each group's right letters, "7: C", in a grid of rows of ten.
void WriteKey(Part& part, const QuestionArray& questions, const std::vector<std::vector<int32_t>>& orders) {
    part.Paragraph(R"(<w:pStyle w:val="Heading1"/><w:pageBreakBefore/>)", u8"Klíč správných odpovědí");
    for (size_t group = 0; group < orders.size(); ++group) {
        if (orders.size() > 1)
            part.Paragraph(R"(<w:pStyle w:val="Heading1"/>)", GroupName(static_cast<int>(group)));
        part.BeginTable(std::vector<int>(kKeyColumns, kTextWidth / kKeyColumns));
        const std::vector<int32_t>& order = orders[group];
        for (size_t row = 0; row < order.size(); row += kKeyColumns) {
            part << "<w:tr>";
            for (size_t column = 0; column < kKeyColumns; ++column) {
                const size_t number = row + column;
                std::string entry;
                if (number < order.size()) {
                    const int32_t correct = questions[order[number]].correct;
                    entry = std::to_string(number + 1) + ": " +
                            (correct >= 0 && correct <= 3 ? std::string(1, kLetters[correct]) : u8"–");
                }
                part.Cell(column, entry);
            }
            part << "</w:tr>";
            part.FlushWhenFull();
        }
        part << "</w:tbl>";
    }
}

// What a count of right answers gives: the rate and the verdict as the results window shows them.
void WriteGrading(Part& part, int32_t count) {
    part.Paragraph(R"(<w:pStyle w:val="Heading1"/>)", u8"Hodnocení");
    part.BeginTable({2900, 2300, kTextWidth - 2900 - 2300});
    part << "<w:tr><w:trPr><w:tblHeader/></w:trPr>";
    part.Cell(0, u8"Dobře zodpovězených", "<w:b/><w:bCs/>");
    part.Cell(1, u8"Úspěšnost", "<w:b/><w:bCs/>");
    part.Cell(2, u8"Hodnocení", "<w:b/><w:bCs/>");
    part << "</w:tr>";
    const std::string pass = R"(<w:color w:val=")" + Colour(Scoring::kPassColour) + R"("/>)";
    const std::string fail = R"(<w:color w:val=")" + Colour(Scoring::kFailColour) + R"("/>)";
    for (const int32_t right : WordDocument::GradingRows(count)) {
        const double percent = Scoring::Rate(right, count);
        part << "<w:tr>";
        part.Cell(0, std::to_string(right));
        part.Cell(1, Scoring::RateDigits(percent) + " %", Scoring::Passed(percent) ? pass : fail);
        part.Cell(2, Scoring::Verdict(percent));
        part << "</w:tr>";
    }
    part << "</w:tbl>";
}

void WriteBody(Part& part, const QuestionArray& questions, const WriteOptions& options) {
    part << XML_DECLARATION "<w:document " W_NS " " R_NS "><w:body>";
    const auto orders = GroupOrder::Make(options.testName, questions.Count(), options.groups);
    for (size_t group = 0; group < orders.size(); ++group)
        WriteSheet(part, questions, orders[group], static_cast<int>(group), options);
    WriteKey(part, questions, orders);
    WriteGrading(part, questions.Count());
    // A4 portrait, margins of 2 cm.
    part
        << R"(<w:sectPr><w:footerReference w:type="default" r:id="rId3"/><w:pgSz w:w="11906" w:h="16838"/>)"
           R"(<w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="709" w:footer="567" w:gutter="0"/>)"
           R"(<w:cols w:space="708"/><w:docGrid w:linePitch="360"/></w:sectPr></w:body></w:document>)";
    part.Flush();
}

// The test's name and "strana N" on every page.
void WriteFooter(Part& part, const std::string& testName) {
    part << XML_DECLARATION "<w:ftr " W_NS R"(><w:p><w:pPr><w:pStyle w:val="Footer"/></w:pPr><w:r>)" << kText;
    AppendXmlText(part.Xml(), testName);
    part
        << kTextEnd << "<w:tab/>" << kText << "strana " << kTextEnd
        << R"(</w:r><w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve"> PAGE </w:instrText></w:r>)"
           R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>1</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>)"
           R"(</w:p></w:ftr>)";
    part.Flush();
}

// No dates: the same test gives the same bytes.
void WriteCore(Part& part, const std::string& testName) {
    part << XML_DECLARATION
        R"(<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" )"
        R"(xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>)";
    AppendXmlText(part.Xml(), testName);
    part << "</dc:title><dc:language>cs-CZ</dc:language></cp:coreProperties>";
    part.Flush();
}

void WriteEntry(ZipWriter& zip, const char* name, std::string_view content) {
    zip.BeginEntry(name).Write(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    zip.EndEntry();
}

void WriteDocument(const QuestionArray& questions, const WriteOptions& options, ByteSink& sink) {
    try {
        ZipWriter zip(sink);
        WriteEntry(zip, "[Content_Types].xml", kContentTypes);
        WriteEntry(zip, "_rels/.rels", kPackageRelationships);
        Part core(zip.BeginEntry("docProps/core.xml"));
        WriteCore(core, options.testName);
        zip.EndEntry();
        Part body(zip.BeginEntry("word/document.xml"));
        WriteBody(body, questions, options);
        zip.EndEntry();
        WriteEntry(zip, "word/_rels/document.xml.rels", kDocumentRelationships);
        WriteEntry(zip, "word/styles.xml", kStyles);
        WriteEntry(zip, "word/settings.xml", kSettings);
        Part footer(zip.BeginEntry("word/footer1.xml"));
        WriteFooter(footer, options.testName);
        zip.EndEntry();
        zip.Finish();
    } catch (const ZipWriter::TooLarge&) {
        throw WriteRefusal(Messages::DocumentTooLarge(options.groups));
    }
}

// Only what XML 1.0 cannot carry stops a test here: a control other than the tab and line ends.
// A question without a right option is written, its key entry a dash.
std::optional<std::string> CheckDocument(const QuestionRecord& record, int32_t number) {
    for (int field = 0; field < kTextFieldCount; ++field) {
        const char* const text = record.text[field];
        const size_t length = TextFieldLength(text);
        for (size_t i = 0; i < length; ++i) {
            const uint8_t byte = static_cast<uint8_t>(text[i]);
            if (Cp1250::IsControl(byte) && byte != '\t' && byte != '\r' && byte != '\n')
                return Messages::ControlInDocument(number, field, Cp1250::ToUnicode(byte));
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<int32_t> WordDocument::GradingRows(int32_t count) {
    std::vector<int32_t> rows;
    if (count <= 100) {
        for (int32_t right = count; right >= 0; --right)
            rows.push_back(right);
        return rows;
    }
    // The fewest right answers that reach a bound, judged on the double as the results window does;
    // the lowest band's bound gives none right and the top band's all right.
    const auto fewestReaching = [count](double bound) {
        int32_t right = 0;
        while (Scoring::Rate(right, count) < bound)
            ++right;
        return right;
    };
    rows.push_back(fewestReaching(Scoring::kPassFrom));
    for (const Scoring::Band& band : Scoring::kBands)
        rows.push_back(fewestReaching(band.from));
    std::sort(rows.rbegin(), rows.rend());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

const Format kWordDocumentFormat = {"docx", nullptr, CheckDocument, WriteDocument, true};
