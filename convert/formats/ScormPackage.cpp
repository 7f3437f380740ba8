#include "convert/formats/ScormPackage.h"

#include "convert/formats/HtmlPage.h"
#include "convert/XmlText.h"
#include "convert/ZipWriter.h"

#include <string_view>

namespace {

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

void WritePackage(const QuestionArray& questions, const WriteOptions& options, ByteSink& sink) {
    ZipWriter zip(sink);
    const std::string manifest = ScormPackage::Manifest(options.testName);
    zip.BeginEntry("imsmanifest.xml")
        .Write(reinterpret_cast<const uint8_t*>(manifest.data()), manifest.size());
    zip.EndEntry();
    Utf8Output page(zip.BeginEntry(ScormPackage::kPageName));
    HtmlPage::Write(questions, options.testName, page);
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
