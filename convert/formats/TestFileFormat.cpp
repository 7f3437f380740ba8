#include "convert/formats/TestFileFormat.h"

#include "convert/Messages.h"
#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"

namespace {

ReadResult ReadTest(ByteSource& source) {
    DecodeResult decoded = DecodeTestFile(
        source.Size(), [&source](uint8_t* buffer, size_t capacity) { return source.Read(buffer, capacity); });
    if (decoded.error == DecodeError::None)
        return ReadResult{std::nullopt, std::move(decoded.questions), std::nullopt};
    const bool tooLarge = decoded.error == DecodeError::OutOfMemory;
    return ReadResult{Refusal{0, 0, tooLarge ? Messages::TestTooLarge() : Messages::DamagedTest()},
                      QuestionArray(), std::nullopt};
}

void WriteTest(const QuestionArray& questions, const WriteOptions&, ByteSink& sink) {
    TestFileEncoder::WriteAll(questions,
                              [&sink](const uint8_t* data, size_t size) { sink.Write(data, size); });
}

} // namespace

const Format kTestFileFormat = {"tst", ReadTest, nullptr, WriteTest};
