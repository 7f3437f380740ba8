#include "convert/ScormPackage.h"

#include "convert/HtmlPage.h"
#include "convert/Utf8.h"
#include "convert/ZipWriter.h"

#include <string_view>

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD

// One course of one lesson, its page the package's one SCO. @ID@, @TITLE@ and @PAGE@ stand for the
// package's identifier, the test's name and the page's file name.
constexpr std::string_view kManifest = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="kvizar-@ID@" version="1.0"
          xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
          xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="kvizar-course">
    <organization identifier="kvizar-course">
      <title>@TITLE@</title>
      <item identifier="kvizar-lesson" identifierref="kvizar-page">
        <title>@TITLE@</title>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="kvizar-page" type="webcontent" adlcp:scormtype="sco" href="@PAGE@">
      <file href="@PAGE@"/>
    </resource>
  </resources>
</manifest>
)xml";

// Characters XML 1.0 can carry at all, even as a reference.
bool IsXmlCharacter(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Element text: & < > escaped, and nothing else, since a platform's reader may split the text at
// every reference it meets and lose blanks on the way. A name that no XML can hold (a file name
// on Linux may carry a control or bytes that are no UTF-8) gets U+FFFD in that place.
std::string XmlText(const std::string& text) {
    std::string xml;
    const uint8_t* p = reinterpret_cast<const uint8_t*>(text.data());
    for (const uint8_t* const end = p + text.size(); p != end;) {
        const uint8_t* const from = p;
        char32_t character = *p;
        bool decoded = true;
        if (character < 0x80) {
            ++p;
        } else if (!DecodeUtf8(p, end, character)) {
            decoded = false; // a byte that is no UTF-8
            ++p;
        }
        if (!decoded || !IsXmlCharacter(character))
            xml += kReplacement;
        else if (character == '&')
            xml += "&amp;";
        else if (character == '<')
            xml += "&lt;";
        else if (character == '>')
            xml += "&gt;";
        else
            xml.append(reinterpret_cast<const char*>(from), static_cast<size_t>(p - from));
    }
    return xml;
}

void WritePackage(const QuestionArray& questions, const std::string& testName, ByteSink& sink) {
    ZipWriter zip(sink);
    const std::string manifest = ScormPackage::Manifest(testName);
    zip.BeginEntry("imsmanifest.xml")
        .Write(reinterpret_cast<const uint8_t*>(manifest.data()), manifest.size());
    zip.EndEntry();
    Utf8Output page(zip.BeginEntry(ScormPackage::kPageName));
    HtmlPage::Write(questions, testName, page);
    page.Flush();
    zip.EndEntry();
    zip.Finish();
}

} // namespace

std::string ScormPackage::Manifest(const std::string& testName) {
    // Identifiers hold ASCII letters, digits and '-' only, so no attribute needs escaping; the
    // package's own is made of the name, so two tests are two courses and one test always the same.
    const uint32_t crc = static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(testName.data()), static_cast<uInt>(testName.size())));
    std::string identifier;
    for (int shift = 28; shift >= 0; shift -= 4)
        identifier += "0123456789abcdef"[crc >> shift & 0xF];
    const std::string title = XmlText(testName);
    std::string manifest;
    std::string_view rest = kManifest;
    for (size_t mark; (mark = rest.find('@')) != std::string_view::npos;) {
        manifest.append(rest.substr(0, mark));
        const size_t end = rest.find('@', mark + 1);
        const std::string_view name = rest.substr(mark + 1, end - mark - 1);
        manifest += name == "ID" ? identifier : name == "TITLE" ? title : kPageName;
        rest.remove_prefix(end + 1);
    }
    return manifest.append(rest);
}

// Only written; no mastery score in its manifest: the page decides passed or failed on the rate
// itself, as the program does, where a platform would compare the rounded score.
const Format kScormPackageFormat = {"zip", nullptr, nullptr, WritePackage};
