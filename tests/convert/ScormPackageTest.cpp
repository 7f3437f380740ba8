// The learning-platform package: a ZIP read back field by field as an unzip tool reads it (the
// central directory, each local header, the raw deflate data, the data descriptor after it), the
// quiz page inside it the very page of the .html format, the manifest's title the test's whole
// name, and the same bytes for the same test. The browser test (page_test.py) unpacks it with
// unzip and Python and runs it under a SCORM run-time.

#include "convert/formats/HtmlPage.h"
#include "convert/formats/ScormPackage.h"
#include "convert/ZipWriter.h"
#include "tests/convert/ConvertTesting.h"
#include "tests/convert/MemoryFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

struct Unpacked {
    std::string name;
    std::string content;
};

uint32_t U16(const std::string& zip, size_t at) {
    return static_cast<uint8_t>(zip.at(at)) | static_cast<uint8_t>(zip.at(at + 1)) << 8;
}

uint32_t U32(const std::string& zip, size_t at) {
    return U16(zip, at) | U16(zip, at + 2) << 16;
}

// Raw deflate data from zip[at] on, to its end; compressed tells how many bytes it took.
std::string Inflate(const std::string& zip, size_t at, size_t& compressed) {
    z_stream stream = {};
    EXPECT_EQ(Z_OK, inflateInit2(&stream, -15));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + at));
    stream.avail_in = static_cast<uInt>(zip.size() - at);
    std::string out;
    int result = Z_OK;
    while (result == Z_OK) {
        char buffer[65536];
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    EXPECT_EQ(Z_STREAM_END, result);
    compressed = stream.total_in;
    inflateEnd(&stream);
    return out;
}

// Every entry, in order, with every header field checked against the others and against what the
// writer promises: version 2.0, deflate, bit 3 with the CRC and sizes after the data, the fixed
// date, entries back to back and the directory right after them, no comment.
std::vector<Unpacked> Unpack(const std::string& zip) {
    std::vector<Unpacked> entries;
    const size_t end = zip.size() - 22;
    EXPECT_EQ(0x06054b50u, U32(zip, end));
    const uint32_t count = U16(zip, end + 10);
    EXPECT_EQ(count, U16(zip, end + 8));
    const size_t directory = U32(zip, end + 16);
    EXPECT_EQ(end, directory + U32(zip, end + 12));
    EXPECT_EQ(0u, U16(zip, end + 20));
    size_t central = directory;
    size_t local = 0;
    for (uint32_t i = 0; i < count; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(0x02014b50u, U32(zip, central));
        EXPECT_EQ(20u, U16(zip, central + 6));
        EXPECT_EQ(8u, U16(zip, central + 8));
        EXPECT_EQ(8u, U16(zip, central + 10));
        EXPECT_EQ(0x00210000u, U32(zip, central + 12)); // 1980-01-01 00:00
        const uint32_t crc = U32(zip, central + 16), compressedSize = U32(zip, central + 20);
        const uint32_t size = U32(zip, central + 24), nameLength = U16(zip, central + 28);
        EXPECT_EQ(0u, U16(zip, central + 30) + U16(zip, central + 32));
        EXPECT_EQ(local, U32(zip, central + 42));
        const std::string name = zip.substr(central + 46, nameLength);
        central += 46 + nameLength;

        EXPECT_EQ(0x04034b50u, U32(zip, local));
        EXPECT_EQ(20u, U16(zip, local + 4));
        EXPECT_EQ(8u, U16(zip, local + 6));
        EXPECT_EQ(8u, U16(zip, local + 8));
        EXPECT_EQ(0x00210000u, U32(zip, local + 10));
        EXPECT_EQ(0u, U32(zip, local + 14) | U32(zip, local + 18) | U32(zip, local + 22));
        EXPECT_EQ(name, zip.substr(local + 30, U16(zip, local + 26)));
        EXPECT_EQ(0u, U16(zip, local + 28));
        const size_t data = local + 30 + nameLength;
        size_t taken = 0;
        const std::string content = Inflate(zip, data, taken);
        EXPECT_EQ(compressedSize, taken);
        EXPECT_EQ(size, content.size());
        EXPECT_EQ(
            crc, crc32(0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
        const size_t descriptor = data + compressedSize;
        EXPECT_EQ(0x08074b50u, U32(zip, descriptor));
        EXPECT_EQ(crc, U32(zip, descriptor + 4));
        EXPECT_EQ(compressedSize, U32(zip, descriptor + 8));
        EXPECT_EQ(size, U32(zip, descriptor + 12));
        local = descriptor + 16;
        entries.push_back({name, content});
    }
    EXPECT_EQ(directory, local);
    EXPECT_EQ(directory + U32(zip, end + 12), central);
    return entries;
}

std::string Written(const Format& format, const std::vector<QuestionRecord>& records,
                    const std::string& name) {
    MemorySink sink;
    format.write(ArrayOf(records), WriteOptions{name}, sink);
    return std::string(sink.bytes.begin(), sink.bytes.end());
}

// Bytes no compressor can shrink (and no NUL, so that they can be a text), so that an entry takes
// many of the writer's output buffers.
std::string Noise(size_t size) {
    std::string noise(size, '\0');
    uint32_t seed = 1;
    for (char& c : noise) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(1 + (seed >> 16) % 255);
    }
    return noise;
}

// Entries written in pieces of the given size.
std::string Zip(const std::vector<Unpacked>& entries, size_t piece) {
    MemorySink sink;
    ZipWriter zip(sink);
    for (const Unpacked& entry : entries) {
        ByteSink& content = zip.BeginEntry(entry.name);
        for (size_t at = 0; at < entry.content.size(); at += piece)
            content.Write(reinterpret_cast<const uint8_t*>(entry.content.data() + at),
                          std::min(piece, entry.content.size() - at));
        zip.EndEntry();
    }
    zip.Finish();
    return std::string(sink.bytes.begin(), sink.bytes.end());
}

TEST(ZipWriter, EntriesOfAnySizeReadBackAndThePiecesTheyCameInChangeNoByte) {
    const std::vector<Unpacked> entries = {
        {"empty", ""},
        {"a", "a"},
        {"folder/noise.bin", Noise(700 * 1024)},
        {"repeated.txt", std::string(3 << 20, 'x')},
    };
    const std::string whole = Zip(entries, SIZE_MAX);
    for (const size_t piece : {size_t(1000), size_t(65536), SIZE_MAX}) {
        SCOPED_TRACE(piece);
        const std::string zip = Zip(entries, piece);
        EXPECT_EQ(whole, zip);
        const std::vector<Unpacked> unpacked = Unpack(zip);
        ASSERT_EQ(entries.size(), unpacked.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].name, unpacked[i].name);
            EXPECT_TRUE(entries[i].content == unpacked[i].content) << entries[i].name;
        }
    }
    EXPECT_LT(whole.size(), 800u * 1024u) << "the repeated megabytes are compressed";
}

// A sink that fails (a full disk) stops the package where it stands, and zlib's state goes too:
// the sanitizers of the native build would name a leak.
TEST(ZipWriter, AFailingSinkStopsTheWrite) {
    class FullDisk : public ByteSink {
    public:
        void Write(const uint8_t*, size_t size) override {
            if ((taken += size) > 5000)
                throw FileAccessError("full");
        }
        size_t taken = 0;
    } sink;
    const std::vector<QuestionRecord> records(200, MakeRecord(0, {Noise(1000), "a", "b", "c", "d"}));
    EXPECT_THROW(kScormPackageFormat.write(ArrayOf(records), WriteOptions{"Zkouška"}, sink), FileAccessError);
}

TEST(ScormPackage, HoldsTheManifestAndTheHtmlFormatsPageAndTheSameTestGivesTheSameBytes) {
    const std::vector<QuestionRecord> records = {
        kWorkedRecord,
        MakeRecord(2, {"P\xf8\xedli\xb9 \x9e"
                       "lu\x9dou\xe8k\xfd k\xf9\xf2?",
                       "\xe1", "\xe8", "\xef", "\xec"}),
        MakeRecord(-1, {"Bez odpov\xec"
                        "di",
                        "a", "b", "c", "d"}),
    };
    const std::string name = u8"Zeměpis & dějepis";
    const std::string package = Written(kScormPackageFormat, records, name);
    const std::vector<Unpacked> entries = Unpack(package);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("imsmanifest.xml", entries[0].name);
    EXPECT_EQ(ScormPackage::Manifest(name), entries[0].content);
    EXPECT_EQ("index.html", entries[1].name);
    EXPECT_EQ(Written(kHtmlPageFormat, records, name), entries[1].content);
    EXPECT_EQ(package, Written(kScormPackageFormat, records, name));
}

// The title in element text, & < > escaped and nothing else; what XML cannot hold at all becomes
// U+FFFD. Identifiers are ASCII made of the name: the same for the same name, another for another.
TEST(ScormPackage, TheManifestNamesTheWholeTestAndIsScorm12) {
    const struct {
        std::string name;
        std::string title;
    } cases[] = {
        {"Fyzika & chemie", "Fyzika &amp; chemie"},
        {"Rock 'n' roll & jazz", "Rock 'n' roll &amp; jazz"},
        {u8"<b>Zeměpis</b> \"7.A\"", u8"&lt;b&gt;Zeměpis&lt;/b&gt; \"7.A\""},
        {u8"Tab\tand 😀", u8"Tab\tand 😀"},
        {"a\x01"
         "b\x7f",
         u8"a\uFFFDb\x7f"},
        // Each byte that starts no character on its own, a surrogate's three among them; U+FFFE whole.
        {"\xff\xc0\xaf\xed\xa0\x80\xef\xbf\xbe\xe2\x82",
         u8"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    std::set<std::string> identifiers;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string manifest = ScormPackage::Manifest(c.name);
        EXPECT_EQ(manifest, ScormPackage::Manifest(c.name));
        const std::string item = "<title>" + c.title + "</title>";
        const size_t first = manifest.find(item);
        EXPECT_NE(std::string::npos, first) << manifest;
        EXPECT_NE(std::string::npos, manifest.find(item, first + 1)) << "the organization's and the item's";
        const size_t id = manifest.find("<manifest identifier=\"kvizar-");
        ASSERT_NE(std::string::npos, id);
        const std::string identifier = manifest.substr(id + 29, manifest.find('"', id + 29) - id - 29);
        EXPECT_EQ(8u, identifier.size());
        EXPECT_EQ(std::string::npos, identifier.find_first_not_of("0123456789abcdef"));
        identifiers.insert(identifier);
        EXPECT_EQ(std::string::npos, manifest.find("masteryscore"));
        EXPECT_EQ(std::string::npos, manifest.find("&quot;"));
        EXPECT_EQ(std::string::npos, manifest.find("&apos;"));
        EXPECT_EQ(std::string::npos, manifest.find("&#"));
    }
    EXPECT_EQ(std::size(cases), identifiers.size());
    const std::string manifest = ScormPackage::Manifest("x");
    for (const char* part :
         {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest ",
          "xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"",
          "xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"", "<schema>ADL SCORM</schema>",
          "<schemaversion>1.2</schemaversion>", "<organizations default=\"kvizar-course\">",
          "<organization identifier=\"kvizar-course\">", "identifierref=\"kvizar-page\"",
          "<resource identifier=\"kvizar-page\" type=\"webcontent\" adlcp:scormtype=\"sco\" "
          "href=\"index.html\">",
          "<file href=\"index.html\"/>"})
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
}

} // namespace
