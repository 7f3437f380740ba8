// Feeds arbitrary bytes to the Aiken or the CSV reader (KVIZAR_FUZZ_FORMAT picks which). The
// sanitizers catch a read or write out of bounds; the checks catch a reader that depends on how
// its input is split, a question that breaks the test's rules, and a writer whose file its reader
// does not read back the same.

#include "tests/convert/MemoryFiles.h"
#include "convert/formats/AikenFormat.h"
#include "convert/formats/TestFileFormat.h"
#include "convert/formats/CsvFormat.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>

namespace {

ReadResult ReadFrom(const Format& format, const uint8_t* data, size_t size, size_t chunk) {
    MemorySource source(data, size, chunk);
    return format.read(source);
}

bool SameVerdict(const ReadResult& a, const ReadResult& b) {
    if (!a.refusal || !b.refusal)
        return !a.refusal && !b.refusal;
    return a.refusal->line == b.refusal->line && a.refusal->column == b.refusal->column &&
           a.refusal->reason == b.refusal->reason;
}

void CheckFitsTheTest(const QuestionArray& questions) {
    Check(questions.Count() >= 1 && questions.Count() <= 50000, "a question count out of range");
    for (int32_t i = 0; i < questions.Count(); ++i) {
        Check(questions[i].correct >= 0 && questions[i].correct <= 3, "a right answer out of range");
        for (const char* text : questions[i].text)
            Check(std::memchr(text, '\0', kTextFieldSize) != nullptr, "a text without its NUL");
    }
}

// The questions written in format must read back the same. Aiken's reader takes a question of one
// character that Moodle would skip, so its writer may refuse what it read; CSV and the test file
// must carry everything.
void CheckRoundTrip(const Format& format, const QuestionArray& questions) {
    const bool refused = CheckExport(format, questions).has_value();
    if (refused && &format == &kAikenFormat)
        return;
    Check(!refused, "questions read cannot be written");
    MemorySink sink;
    format.write(questions, WriteOptions{}, sink);
    ReadResult again = ReadFrom(format, sink.bytes.data(), sink.bytes.size(), SIZE_MAX);
    Check(!again.refusal, "a written file is refused");
    Check(SameQuestions(questions, again.questions), "a written file reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Format& format = KVIZAR_FUZZ_FORMAT;
    // A chunk size taken from the input itself, as in the test file fuzzer.
    const size_t chunk = size == 0 ? 1 : 1 + (data[size / 2] ^ size) % 61;
    ReadResult split = ReadFrom(format, data, size, chunk);
    ReadResult whole = ReadFrom(format, data, size, SIZE_MAX);
    Check(SameVerdict(split, whole), "the chunk size changed the verdict");
    if (split.refusal) {
        Check(split.questions.IsEmpty(), "a refused file handed out questions");
        Check(split.refusal->line >= 0 && split.refusal->column >= 0 && !split.refusal->reason.empty(),
              "a refusal without its place or reason");
        return 0;
    }
    Check(SameQuestions(split.questions, whole.questions), "the chunk size changed the questions");
    CheckFitsTheTest(split.questions);
    // What either format reads, its own writer, CSV's and the test file's carry back.
    CheckRoundTrip(format, split.questions);
    CheckRoundTrip(kCsvFormat, split.questions);
    CheckRoundTrip(kTestFileFormat, split.questions);
    return 0;
}
