// Writes a large test in the two formats that are ZIPs, through the converter's core, from the
// loaded test to the file saved as kvizar-convert.exe saves it: the learning-platform package and the
// document to print in two groups. Each is set against its floor measured in the same run: zlib
// compressing the same bytes its entries hold at the same level in one call, then one plain write
// and flush of what came out. Also the package's size against the page's.
//   package_bench [questions] [runs]      (defaults: 20000 questions, 5 runs; medians are shown)
// Exits 1 when an archive does not read back as its entries.

#include "bench/BenchSupport.h"
#include "bench/BenchTest.h"
#include "bench/FileBaselines.h"
#include "convert/WindowsFileAccess.h"
#include "convert/formats/HtmlPage.h"
#include "convert/formats/ScormPackage.h"
#include "convert/formats/WordDocument.h"
#include "tests/convert/MemoryFiles.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const double kMegabyte = 1e6;

// As kvizar-convert.exe saves it: a temporary file beside the target, flushed, then renamed over it.
double Pack(const Format& format, const QuestionArray& test) {
    WindowsFileAccess files;
    const double start = Seconds();
    files.SaveSafely("bench.zip", true,
                     [&](ByteSink& sink) { format.write(test, WriteOptions{"bench"}, sink); });
    return Seconds() - start;
}

// Raw deflate of the bytes at zlib's default level into a buffer made ready beforehand, then the
// plain write of the result.
double Floor(const std::vector<uint8_t>& page, std::vector<uint8_t>& compressed) {
    z_stream stream = {};
    const double start = Seconds();
    Require(deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK,
            "zlib cannot start");
    stream.next_in = const_cast<Bytef*>(page.data());
    stream.avail_in = static_cast<uInt>(page.size());
    stream.next_out = compressed.data();
    stream.avail_out = static_cast<uInt>(compressed.size());
    Require(deflate(&stream, Z_FINISH) == Z_STREAM_END, "zlib did not finish");
    deflateEnd(&stream);
    const double compressing = Seconds() - start;
    const std::vector<uint8_t> result(compressed.begin(), compressed.begin() + stream.total_out);
    return compressing + PlainWrite(L"plain.bin", result);
}

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
           static_cast<uint32_t>(bytes.at(at + 3)) << 24;
}

// What an archive's entries hold, one after the other, read through its central directory and
// held to each entry's CRC and size.
std::vector<uint8_t> Entries(const std::vector<uint8_t>& zip) {
    Require(zip.size() > 22, "no archive");
    std::vector<uint8_t> content;
    size_t entry = U32(zip, zip.size() - 22 + 16);
    for (uint32_t i = 0, count = U32(zip, zip.size() - 22 + 8) >> 16; i < count; ++i) {
        const uint32_t crc = U32(zip, entry + 16), size = U32(zip, entry + 24);
        const size_t name = zip.at(entry + 28) | zip.at(entry + 29) << 8;
        const size_t local = U32(zip, entry + 42);
        const size_t data = local + 30 + (zip.at(local + 26) | zip.at(local + 27) << 8);
        const size_t at = content.size();
        content.resize(at + size);
        z_stream stream = {};
        Require(inflateInit2(&stream, -15) == Z_OK, "zlib cannot start");
        stream.next_in = const_cast<Bytef*>(zip.data() + data);
        stream.avail_in = static_cast<uInt>(zip.size() - data);
        stream.next_out = content.data() + at;
        stream.avail_out = size;
        const int result = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        Require(result == Z_STREAM_END && stream.total_out == size &&
                    crc32(0, content.data() + at, size) == crc,
                "an entry does not read back");
        entry += 46 + name;
    }
    return content;
}

std::vector<uint8_t> WrittenFile() {
    HANDLE file = CreateFileW(L"bench.zip", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    Require(ok && read == bytes.size(), "the archive cannot be read");
    return bytes;
}

// One format, its runs alternating with its floor's; returns the archive's size.
size_t Measure(const char* what, const Format& format, const QuestionArray& test, int runs) {
    Pack(format, test);
    const std::vector<uint8_t> entries = Entries(WrittenFile());
    std::vector<uint8_t> compressed(deflateBound(nullptr, static_cast<uLong>(entries.size())));
    std::vector<double> writing, floor;
    for (int run = 0; run < runs; ++run) {
        writing.push_back(Pack(format, test));
        floor.push_back(Floor(entries, compressed));
    }
    const size_t size = WrittenFile().size();
    std::printf("%s: entries %.1f MB, archive %.1f MB\n", what, entries.size() / kMegabyte, size / kMegabyte);
    PrintTimes(what, writing);
    PrintTimes("zlib + write", floor);
    PrintFigure((std::string(what) + " / zlib + plain write").c_str(), Median(writing) / Median(floor), 1.2);
    return size;
}

} // namespace

int main(int argc, char** argv) {
    const int32_t count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Require(count > 0, "the number of questions must be at least 1");

    const QuestionArray test = CzechLookingTest(count); // the convert bench's test
    MemorySink page;
    kHtmlPageFormat.write(test, WriteOptions{"bench"}, page);
    std::printf("package_bench: %d questions of full-length texts; median of %d run(s)\n", count, runs);
    const size_t packageSize = Measure("package", kScormPackageFormat, test, runs);
    Measure("document, 2 groups", kWordDocumentFormat, test, runs);
    DeleteFileW(L"bench.zip");
    DeleteFileW(L"plain.bin");
    PrintFigure("package size / page size", static_cast<double>(packageSize) / page.bytes.size(), 0);
    return 0;
}
