// Writes the convert bench's test as a test file, natively, so scripts/compare-convert.sh can time
// the Linux converters on the very file convert_bench converts.
//   write_czech_test PATH [questions]      (default: 20000 questions)

#include "bench/BenchTest.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int32_t count = argc > 2 ? std::atoi(argv[2]) : 20000;
    if (argc < 2 || count < 1) {
        std::fprintf(stderr, "usage: write_czech_test PATH [questions]\n");
        return 2;
    }
    const std::vector<uint8_t> bytes = EncodeTest(CzechLookingTest(count));
    std::FILE* file = std::fopen(argv[1], "wb");
    const bool written = file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file == nullptr || std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
