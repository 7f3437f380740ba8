// Converts a large test to CSV and back and to Aiken and back through the converter's core, and
// sets each round against the plainest way to move the same bytes in the same run: one ReadFile
// of each source into a fresh buffer and one WriteFile and flush of each target.
//   convert_bench [questions] [runs]      (defaults: 20000 questions, 5 runs; medians are shown)
// Exits 1 when a conversion is refused or fails, or the test does not come back byte for byte.

#include "bench/BenchSupport.h"
#include "bench/BenchTest.h"
#include "bench/FileBaselines.h"
#include "convert/formats/AikenFormat.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/CsvFormat.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const double kMegabyte = 1e6;

// A file opened with CreateFileW, moved through the converter's byte interfaces.
class BenchFile : public ByteSource, public ByteSink {
public:
    BenchFile(const std::wstring& path, bool write)
        : m_handle(CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                               write ? CREATE_ALWAYS : OPEN_EXISTING, 0, nullptr)) {
        Require(m_handle != INVALID_HANDLE_VALUE, "a bench file cannot be opened");
    }
    ~BenchFile() override { CloseHandle(m_handle); }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    size_t Read(uint8_t* buffer, size_t capacity) override {
        DWORD read = 0;
        Require(ReadFile(m_handle, buffer, static_cast<DWORD>(capacity), &read, nullptr), "a read failed");
        return read;
    }
    void Rewind() override { SetFilePointer(m_handle, 0, nullptr, FILE_BEGIN); }
    uint64_t Size() override {
        LARGE_INTEGER size;
        GetFileSizeEx(m_handle, &size);
        return static_cast<uint64_t>(size.QuadPart);
    }
    void Write(const uint8_t* data, size_t size) override {
        DWORD written = 0;
        Require(WriteFile(m_handle, data, static_cast<DWORD>(size), &written, nullptr) && written == size,
                "a write failed");
    }
    void Flush() { Require(FlushFileBuffers(m_handle), "a flush failed"); }

private:
    HANDLE m_handle;
};

// One conversion from file to file, the target flushed; returns the seconds it took.
double Convert(const std::wstring& source, const Format& from, const std::wstring& target, const Format& to) {
    const double start = Seconds();
    ReadResult read;
    {
        BenchFile input(source, false);
        read = from.read(input);
    }
    Require(!read.refusal && !CheckExport(to, read.questions), "a conversion was refused");
    BenchFile output(target, true);
    to.write(read.questions, WriteOptions{"bench"}, output);
    output.Flush();
    return Seconds() - start;
}

uint64_t FileSize(const std::wstring& path) {
    BenchFile file(path, false);
    return file.Size();
}

struct Round {
    std::vector<double> there, back, baseline;
};

// The test to the text format and back, and the plain moves of the same four files.
void RunRound(const Format& format, const std::wstring& text, const std::vector<uint8_t>& test,
              Round& round) {
    round.there.push_back(Convert(L"bench.tst", kTestFileFormat, text, format));
    round.back.push_back(Convert(text, format, L"back.tst", kTestFileFormat));
    const size_t textSize = static_cast<size_t>(FileSize(text));
    const std::vector<uint8_t> textBytes(textSize, 'x'); // as many bytes as the text file
    round.baseline.push_back(PlainRead(L"bench.tst", test.size()) + PlainWrite(L"plain.bin", textBytes) +
                             PlainRead(text, textSize) + PlainWrite(L"plain.bin", test));
}

void Report(const char* name, const Round& round) {
    const double there = Median(round.there), back = Median(round.back), baseline = Median(round.baseline);
    std::printf("%-6s there %.3f s, back %.3f s; plain reads and writes of the same files %.3f s\n", name,
                there, back, baseline);
    char what[64];
    std::snprintf(what, sizeof what, "%s and back / plain read+write", name);
    PrintFigure(what, (there + back) / baseline, 1.5);
}

} // namespace

int main(int argc, char** argv) {
    const int32_t count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Require(count > 0, "the number of questions must be at least 1");

    const std::vector<uint8_t> bytes = EncodeTest(CzechLookingTest(count));
    BenchFile(L"bench.tst", true).Write(bytes.data(), bytes.size());

    Round csv, aiken;
    for (int run = 0; run < runs; ++run) {
        RunRound(kCsvFormat, L"bench.csv", bytes, csv);
        RunRound(kAikenFormat, L"bench.txt", bytes, aiken);
        // The test must come back byte for byte (the last round went through Aiken).
        BenchFile back(L"back.tst", false);
        std::vector<uint8_t> backBytes(static_cast<size_t>(back.Size()));
        Require(back.Read(backBytes.data(), backBytes.size()) == bytes.size() && backBytes == bytes,
                "the test came back changed");
    }
    const uint64_t csvSize = FileSize(L"bench.csv"), aikenSize = FileSize(L"bench.txt");
    for (const wchar_t* file : {L"bench.tst", L"bench.csv", L"bench.txt", L"back.tst", L"plain.bin"})
        DeleteFileW(file);

    std::printf(
        "convert_bench: %d questions of full-length texts; test file %.1f MB, CSV %.1f MB, Aiken %.1f "
        "MB; median of %d run(s)\n",
        count, bytes.size() / kMegabyte, csvSize / kMegabyte, aikenSize / kMegabyte, runs);
    Report("CSV", csv);
    Report("Aiken", aiken);
    return 0;
}
