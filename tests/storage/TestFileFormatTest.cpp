// The test file format: the encoder's exact bytes, the decoder's refusals, and that neither depends
// on how the bytes are split into chunks.

#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"
#include "tests/support/TestFileSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// The out-of-memory case asks for a block far beyond any heap; AddressSanitizer must answer it with
// null, as the plain allocator does, instead of ending the test run.
#if defined(__SANITIZE_ADDRESS__)
#define KVIZAR_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KVIZAR_ASAN 1
#endif
#endif
#ifdef KVIZAR_ASAN
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}
#endif

namespace {

Bytes Encode(const QuestionRecord* records, int32_t count, size_t capacity = 1 << 20) {
    TestFileEncoder encoder(records, count);
    Bytes out(static_cast<size_t>(encoder.EncodedSize()) + 1);
    size_t used = 0, got;
    while ((got = encoder.Next(out.data() + used, std::min(capacity, out.size() - used))) != 0)
        used += got;
    EXPECT_EQ(encoder.EncodedSize(), used);
    out.resize(used);
    return out;
}

// Three questions of differing shapes, Windows-1250 bytes and a 1023-byte text among them.
std::vector<QuestionRecord> MixedTest() {
    return {
        MakeRecord(0, {"", "", "", "", ""}),
        MakeRecord(3, {"P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2?", "ano", "ne", "", "mo\x9en\xe1"}),
        MakeRecord(-7, {std::string(1023, 'q'), "a", std::string(500, 'b'), "c", std::string(1023, 'd')})};
}

TEST(TestFileFormat, WorkedExampleIsEncodedByteForByteAndDecodedBack) {
    EXPECT_EQ(kWorkedExample, Encode(&kWorkedRecord, 1));
    DecodeResult result = DecodeTestFile(kWorkedExample.data(), kWorkedExample.size());
    EXPECT_EQ(DecodeError::None, result.error);
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, result.questions));
}

TEST(TestFileFormat, EmptyTextsAreStoredAsLengthOne) {
    QuestionArray fresh = QuestionArray::AllocateFresh(1);
    const Bytes expected = FileOf({MakeRecord(0, {"", "", "", "", ""})});
    EXPECT_EQ(33u, expected.size());
    EXPECT_EQ(expected, Encode(fresh.Data(), 1));
    DecodeResult result = DecodeTestFile(expected.data(), expected.size());
    EXPECT_TRUE(SameQuestions(fresh.Data(), 1, result.questions));
}

TEST(TestFileFormat, TextOf1023BytesIsStoredWithLength1024AndFillsItsField) {
    QuestionRecord record = MakeRecord(2, {std::string(1023, 'x'), "", "", "", ""});
    Bytes file = Encode(&record, 1);
    EXPECT_EQ(Bytes({0x00, 0x04, 0x00, 0x00}), Bytes(file.begin() + 8, file.begin() + 12));
    DecodeResult result = DecodeTestFile(file.data(), file.size());
    ASSERT_EQ(1, result.questions.Count());
    EXPECT_EQ(std::string(1023, 'x'), result.questions[0].text[0]);
    EXPECT_EQ('\0', result.questions[0].text[0][1023]);
}

TEST(TestFileFormat, FieldWithoutNulIsWrittenAsItsFirst1023Bytes) {
    QuestionRecord record = MakeRecord(0, {"", "", "", "", ""});
    std::memset(record.text[4], 'z', kTextFieldSize);
    EXPECT_EQ(FileOf({MakeRecord(0, {"", "", "", "", std::string(1023, 'z')})}), Encode(&record, 1));
}

TEST(TestFileFormat, CorrectIndexComesBeforeTheTexts) {
    Bytes file = Encode(&kWorkedRecord, 1);
    EXPECT_EQ(Bytes({0x01, 0x00, 0x00, 0x00}), Bytes(file.begin() + 4, file.begin() + 8));
    // The index written after the texts instead: the first length is taken for the index and the
    // question's bytes for a length, which is refused.
    Bytes swapped(file.begin(), file.begin() + 4);
    swapped.insert(swapped.end(), file.begin() + 8, file.end());
    PutInt(swapped, 1);
    EXPECT_EQ(DecodeError::LengthOutOfRange, DecodeTestFile(swapped.data(), swapped.size()).error);
}

TEST(TestFileFormat, RoundTripKeepsTextsAndIndexes) {
    std::vector<QuestionRecord> records = MixedTest();
    records.push_back(MakeRecord(INT32_MIN, {"min", "", "", "", ""}));
    records.push_back(MakeRecord(INT32_MAX, {"max", "", "", "", ""}));
    const int32_t count = static_cast<int32_t>(records.size());
    Bytes file = Encode(records.data(), count);
    DecodeResult result = DecodeTestFile(file.data(), file.size());
    EXPECT_EQ(DecodeError::None, result.error);
    EXPECT_TRUE(SameQuestions(records.data(), count, result.questions));
}

TEST(TestFileFormat, CountBelowOneIsWrittenAlone) {
    EXPECT_EQ(Bytes({0, 0, 0, 0}), Encode(nullptr, 0));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), Encode(nullptr, -1));
}

struct DamagedFile {
    const char* name;
    Bytes bytes;
    DecodeError expected;
};

// The worked example with its first header value and first length replaced.
Bytes WorkedWith(int32_t count, int32_t firstLength) {
    return Patched(Patched(kWorkedExample, 0, count), 8, firstLength);
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A one-question file from (length, bytes) pairs, the bytes taken as they are: no NUL is added.
Bytes RawEntry(const std::vector<std::pair<int32_t, std::string>>& texts) {
    Bytes out;
    PutInt(out, 1);
    PutInt(out, 0);
    for (const auto& text : texts) {
        PutInt(out, text.first);
        out.insert(out.end(), text.second.begin(), text.second.end());
    }
    return out;
}

TEST(TestFileFormat, DamagedFilesAreRefusedWhateverTheChunkSize) {
    const std::string nul(1, '\0'), x1023(1023, 'x');
    // A valid start of a second entry: index, three empty texts, a quarter of a length. With the
    // first entry it makes 62 bytes, the least that a count of 2 needs: every text holds its NUL.
    Bytes secondEntryCut;
    PutInt(secondEntryCut, 0);
    for (int i = 0; i < 3; ++i)
        PutText(secondEntryCut, "");
    secondEntryCut.push_back(0x01);
    const Bytes twoStarted = Concat(WorkedWith(2, 5), secondEntryCut);
    const DamagedFile cases[] = {
        {"count 0", WorkedWith(0, 5), DecodeError::CountNotPositive},
        {"count -1", WorkedWith(-1, 5), DecodeError::CountNotPositive},
        {"count INT32_MIN", WorkedWith(INT32_MIN, 5), DecodeError::CountNotPositive},
        {"count 2 in 42 bytes", WorkedWith(2, 5), DecodeError::CountTooLarge},
        {"count INT32_MAX", WorkedWith(INT32_MAX, 5), DecodeError::CountTooLarge},
        {"count 1 in 28 bytes", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 28),
         DecodeError::CountTooLarge},
        {"count 1 in 32 bytes", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 32),
         DecodeError::CountTooLarge},
        {"count 1 in 33 bytes is allowed", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 33),
         DecodeError::Truncated},
        {"count 2 in 61 bytes", Bytes(twoStarted.begin(), twoStarted.end() - 1), DecodeError::CountTooLarge},
        {"count 2 in 62 bytes is allowed", twoStarted, DecodeError::Truncated},
        {"length 0", WorkedWith(1, 0), DecodeError::LengthOutOfRange},
        // Were the zero accepted, its "last byte" would be the NUL that ends the field before.
        {"length 0 after a full field",
         RawEntry({{1, nul}, {1, nul}, {1, nul}, {1024, x1023 + nul}, {0, ""}}),
         DecodeError::LengthOutOfRange},
        {"length 1025", RawEntry({{1025, x1023 + "x" + nul}, {1, nul}, {1, nul}, {1, nul}, {1, nul}}),
         DecodeError::LengthOutOfRange},
        {"length -1", WorkedWith(1, -1), DecodeError::LengthOutOfRange},
        {"length INT32_MIN", WorkedWith(1, INT32_MIN), DecodeError::LengthOutOfRange},
        {"question without NUL", WorkedWith(1, 4), DecodeError::TextNotTerminated},
        {"last answer without NUL", WithByte(kWorkedExample, 41, '2'), DecodeError::TextNotTerminated},
        {"1024 bytes without NUL", RawEntry({{1024, x1023 + "x"}, {1, nul}, {1, nul}, {1, nul}, {1, nul}}),
         DecodeError::TextNotTerminated},
        {"empty file", Bytes(), DecodeError::Truncated},
        {"inside the count", Bytes(3, 1), DecodeError::Truncated},
        {"trailing bytes are ignored", Concat(kWorkedExample, Bytes(100, 0xEE)), DecodeError::None},
    };
    for (const DamagedFile& c : cases) {
        for (size_t chunk : {1, 2, 3, 7, 4096}) {
            SCOPED_TRACE(std::string(c.name) + ", chunk " + std::to_string(chunk));
            DecodeResult result = DecodeTestFile(c.bytes.data(), c.bytes.size(), chunk);
            EXPECT_EQ(c.expected, result.error);
            EXPECT_EQ(c.expected == DecodeError::None, !result.questions.IsEmpty());
        }
    }
}

TEST(TestFileFormat, FileCutShortAtAnyByteIsRefused) {
    std::vector<QuestionRecord> records = {kWorkedRecord, MakeRecord(0, {"a", "", "bc", "", ""})};
    Bytes file = Encode(records.data(), 2);
    for (size_t cut = 0; cut < file.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        // The read stops short of the size the file announced: refused only when the data runs out.
        TestFileDecoder decoder(file.size());
        EXPECT_TRUE(decoder.Feed(file.data(), cut));
        EXPECT_TRUE(decoder.TakeQuestions().IsEmpty()); // nothing half-read is handed out
        EXPECT_FALSE(decoder.Finish());
        EXPECT_EQ(DecodeError::Truncated, decoder.Error());
        EXPECT_TRUE(decoder.TakeQuestions().IsEmpty());
        // The short file on its own: a count of 2 needs at least 62 bytes.
        DecodeError expected = cut < 4    ? DecodeError::Truncated
                               : cut < 62 ? DecodeError::CountTooLarge
                                          : DecodeError::Truncated;
        EXPECT_EQ(expected, DecodeTestFile(file.data(), cut).error);
    }
}

TEST(TestFileFormat, ChunkSplitDoesNotChangeTheResult) {
    std::vector<QuestionRecord> records = MixedTest();
    Bytes file = Encode(records.data(), 3);
    for (size_t chunk : {1, 2, 3, 7, 4096, 1 << 20}) {
        SCOPED_TRACE("chunk " + std::to_string(chunk));
        DecodeResult result = DecodeTestFile(file.data(), file.size(), chunk);
        EXPECT_EQ(DecodeError::None, result.error);
        EXPECT_TRUE(SameQuestions(records.data(), 3, result.questions));
    }
}

TEST(TestFileFormat, EncoderCapacityDoesNotChangeTheBytes) {
    std::vector<QuestionRecord> records = MixedTest();
    Bytes whole = Encode(records.data(), 3);
    for (size_t capacity : {1, 2, 3, 7, 4096})
        EXPECT_EQ(whole, Encode(records.data(), 3, capacity)) << "capacity " << capacity;
}

TEST(TestFileFormat, RefusalIsStickyAndCompletionIgnoresTheRest) {
    TestFileDecoder refused(100);
    EXPECT_FALSE(refused.Feed(WorkedWith(0, 5).data(), 4));
    EXPECT_FALSE(refused.Feed(kWorkedExample.data(), kWorkedExample.size()));
    EXPECT_FALSE(refused.Finish());
    EXPECT_EQ(DecodeError::CountNotPositive, refused.Error());

    TestFileDecoder complete(kWorkedExample.size());
    EXPECT_TRUE(complete.Feed(kWorkedExample.data(), kWorkedExample.size()));
    EXPECT_TRUE(complete.IsComplete());
    EXPECT_TRUE(complete.Feed(WorkedWith(0, 0).data(), 42));
    EXPECT_TRUE(complete.Finish());
    QuestionArray questions = complete.TakeQuestions();
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, questions));
}

TEST(TestFileFormat, ArrayThatCannotBeAllocatedIsRefused) {
    // A file size that could hold INT32_MAX entries; the block of about 11 TB cannot be had.
    TestFileDecoder decoder(UINT64_MAX);
    Bytes count;
    PutInt(count, INT32_MAX);
    EXPECT_FALSE(decoder.Feed(count.data(), count.size()));
    EXPECT_EQ(DecodeError::OutOfMemory, decoder.Error());
}

TEST(TestFileFormat, TwentyThousandFullQuestionsRoundTripInMegabyteChunks) {
    const int32_t count = 20000;
    const QuestionArray source = FullLengthTest(count);
    ASSERT_EQ(count, source.Count());
    TestFileEncoder encoder(source.Data(), count);
    EXPECT_EQ(4u + count * (4u + 5u * (4u + 1024u)), encoder.EncodedSize());
    TestFileDecoder decoder(encoder.EncodedSize());
    std::vector<uint8_t> chunk(1 << 20);
    while (size_t got = encoder.Next(chunk.data(), chunk.size()))
        ASSERT_TRUE(decoder.Feed(chunk.data(), got));
    ASSERT_TRUE(decoder.Finish());
    QuestionArray loaded = decoder.TakeQuestions();
    ASSERT_EQ(count, loaded.Count());
    EXPECT_EQ(0, std::memcmp(source.Data(), loaded.Data(), sizeof(QuestionRecord) * count));
}

} // namespace
