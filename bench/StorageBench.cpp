// Loads and saves a large test through LoadTestFile and SaveTestFile and sets each against the
// plainest way to move the same bytes in the same run: one ReadFile into a fresh buffer, or one
// WriteFile and a flush. Also reports the private memory the load added, against the array.
//   storage_bench [questions] [runs]      (defaults: 20000 questions, 5 runs; medians are shown)
// Exits 1 when a load or save fails or the loaded test differs from the saved one.

#include "bench/BenchSupport.h"
#include "bench/BenchTest.h"
#include "bench/FileBaselines.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
const double kMegabyte = 1e6;

// Private committed bytes. Wine 8 leaves PrivateUsage at 0 and counts the process's private
// pages in PagefileUsage instead; on Windows the two are the same figure.
SIZE_T PrivateBytes(const char** source) {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    *source = counters.PrivateUsage ? "PrivateUsage" : "PagefileUsage";
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

} // namespace

int main(int argc, char** argv) {
    const int32_t count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Require(count > 0, "the number of questions must be at least 1");
    // A message box would wait for a user who is not there: print it and fail instead.
    SetMessageBoxHook([](HWND, const std::wstring& text, const CString&, UINT) -> int {
        Fail("a message box: \"%ls\"", text.c_str());
    });

    CreateTestFolder();
    const std::wstring path = BuildTestPath("bench");
    const std::wstring plainPath = TestFolderPath() + L"\\plain.bin";
    const QuestionArray test = FullLengthTest(count, "abcdefghijklmnopqrstuvwxyz");
    const std::vector<uint8_t> bytes = EncodeTest(test);
    const double arrayBytes = static_cast<double>(sizeof(QuestionRecord)) * count;

    std::vector<double> loads, plainReads, saves, plainWrites;
    double worstAdded = 0;
    const char* memorySource = "";
    for (int run = 0; run < runs; ++run) {
        double start = Seconds();
        Require(SaveTestFile(path, test), "the save failed");
        saves.push_back(Seconds() - start);
        plainWrites.push_back(PlainWrite(plainPath, bytes));

        plainReads.push_back(PlainRead(path, bytes.size()));
        const SIZE_T before = PrivateBytes(&memorySource);
        start = Seconds();
        const QuestionArray loaded = LoadTestFile(path);
        loads.push_back(Seconds() - start);
        const SIZE_T after = PrivateBytes(&memorySource);
        worstAdded = std::max(worstAdded, static_cast<double>(after) - static_cast<double>(before));
        Require(loaded.Count() == count && std::memcmp(loaded.Data(), test.Data(), arrayBytes) == 0,
                "the loaded test differs from the saved one");
    }
    DeleteFileW(path.c_str());
    DeleteFileW(plainPath.c_str());
    RemoveDirectoryW(TestFolderPath().c_str());

    const double load = Median(loads), plainRead = Median(plainReads);
    const double save = Median(saves), plainWrite = Median(plainWrites);
    std::printf("storage_bench: %d questions of full-length texts, file %.1f MB, array %.1f MB, median of %d "
                "run(s)\n",
                count, bytes.size() / kMegabyte, arrayBytes / kMegabyte, runs);
    std::printf("load    %.3f s, one plain read  %.3f s\n", load, plainRead);
    std::printf("save    %.3f s, one plain write %.3f s\n", save, plainWrite);
    std::printf("memory  the load added %.1f MB (%s)\n", worstAdded / kMegabyte, memorySource);
    PrintFigure("load / one plain read", load / plainRead, 1.5);
    PrintFigure("save / one plain write+flush", save / plainWrite, 1.5);
    PrintFigure("memory added by load / array", worstAdded / arrayBytes, 1.2);
    return 0;
}
