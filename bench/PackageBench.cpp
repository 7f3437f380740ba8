// Packs a large test as a learning-platform package through the converter's core, from the loaded
// test to the package saved as kvizar-convert.exe saves it, and sets it against its floor measured in the
// same run: zlib compressing the same page bytes at the same level in one call, then one plain write and
// flush of what came out. Also the package's size against the page's.
//   package_bench [questions] [runs]      (defaults: 20000 questions, 5 runs; medians are shown)
// Exits 1 when the package does not hold the page.

#include "bench/BenchSupport.h"
#include "bench/BenchTest.h"
#include "bench/FileBaselines.h"
#include "convert/formats/HtmlPage.h"
#include "convert/formats/ScormPackage.h"
#include "convert/WindowsFileAccess.h"
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
double Pack(const QuestionArray& test) {
    WindowsFileAccess files;
    const double start = Seconds();
    files.SaveSafely("bench.zip", true,
                     [&test](ByteSink& sink) { kScormPackageFormat.write(test, WriteOptions{"bench"}, sink); });
    return Seconds() - start;
}

// Raw deflate of the page at zlib's default level into a buffer made ready beforehand, then the
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

// The package's bytes; the page, its second entry, must be in it whole by its CRC and size.
std::vector<uint8_t> CheckedPackage(const std::vector<uint8_t>& page) {
    HANDLE file = CreateFileW(L"bench.zip", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    std::vector<uint8_t> package(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    const BOOL ok = ReadFile(file, package.data(), static_cast<DWORD>(package.size()), &read, nullptr);
    CloseHandle(file);
    Require(ok && read == package.size() && package.size() > 22, "the package cannot be read");
    size_t entry = U32(package, package.size() - 22 + 16); // the central directory
    entry += 46 + (package.at(entry + 28) | package.at(entry + 29) << 8);
    const uint32_t crc = static_cast<uint32_t>(crc32(0, page.data(), static_cast<uInt>(page.size())));
    Require(U32(package, entry + 16) == crc && U32(package, entry + 24) == page.size(),
            "the package does not hold the page");
    return package;
}

} // namespace

int main(int argc, char** argv) {
    const int32_t count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Require(count > 0, "the number of questions must be at least 1");

    const QuestionArray test = CzechLookingTest(count); // the convert bench's test
    MemorySink page;
    kHtmlPageFormat.write(test, WriteOptions{"bench"}, page);
    std::vector<uint8_t> compressed(deflateBound(nullptr, static_cast<uLong>(page.bytes.size())));

    std::vector<double> packing, floor;
    for (int run = 0; run < runs; ++run) {
        packing.push_back(Pack(test));
        floor.push_back(Floor(page.bytes, compressed));
    }
    const size_t packageSize = CheckedPackage(page.bytes).size();
    DeleteFileW(L"bench.zip");
    DeleteFileW(L"plain.bin");

    std::printf("package_bench: %d questions of full-length texts; page %.1f MB, package %.1f MB; median "
                "of %d run(s)\n",
                count, page.bytes.size() / kMegabyte, packageSize / kMegabyte, runs);
    PrintTimes("package", packing);
    PrintTimes("zlib + write", floor);
    PrintFigure("package / zlib + plain write", Median(packing) / Median(floor), 1.2);
    PrintFigure("package size / page size", static_cast<double>(packageSize) / page.bytes.size(), 0);
    return 0;
}
