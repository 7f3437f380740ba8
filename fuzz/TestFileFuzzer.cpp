// Feeds arbitrary bytes to the test file decoder. The sanitizers catch any write past a field or a
// read past a chunk; the checks below catch a decoder that depends on how its input is split, and
// an encoder and decoder that disagree.

#include "fuzz/FuzzChecks.h"
#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A chunk size taken from the input itself, so the fuzzer moves the chunk boundaries around
    // without a byte of the file being set aside for it.
    size_t chunk = size == 0 ? 1 : 1 + (data[size / 2] ^ size) % 61;
    DecodeResult split = DecodeTestFile(data, size, chunk);
    DecodeResult whole = DecodeTestFile(data, size, size + 1);
    Check(split.error == whole.error, "the chunk size changed the verdict");
    if (split.error != DecodeError::None) {
        Check(split.questions.IsEmpty(), "a refused file handed out questions");
        return 0;
    }
    Check(SameQuestions(split.questions, whole.questions), "the chunk size changed the questions");

    // Re-encode in chunks of another size; it can only be shorter (texts end at their first NUL).
    TestFileEncoder encoder(split.questions.Data(), split.questions.Count());
    Check(encoder.EncodedSize() <= size, "the re-encoding is longer than the input");
    std::vector<uint8_t> encoded(static_cast<size_t>(encoder.EncodedSize()));
    size_t used = 0;
    while (size_t got = encoder.Next(encoded.data() + used, std::min(chunk + 3, encoded.size() - used)))
        used += got;
    Check(used == encoded.size(), "the encoder wrote other than its announced size");
    DecodeResult again = DecodeTestFile(encoded.data(), encoded.size(), chunk + 1);
    Check(again.error == DecodeError::None, "the re-encoding is refused");
    Check(SameQuestions(split.questions, again.questions), "the re-encoding reads back differently");
    return 0;
}
