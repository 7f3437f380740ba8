#include "tests/convert/ConvertTesting.h"

#include "tests/convert/MemoryFiles.h"
#include "convert/formats/Format.h"

#include <cstring>

namespace {
const size_t kChunkSizes[] = {1, 2, 3, 7, SIZE_MAX};
}

ReadResult ReadBytes(const Format& format, const std::string& bytes, size_t chunk) {
    MemorySource source(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), chunk);
    return format.read(source);
}

std::string WriteBytes(const Format& format, const QuestionArray& questions) {
    EXPECT_FALSE(CheckExport(format, questions).has_value());
    MemorySink sink;
    format.write(questions, WriteOptions{}, sink);
    return std::string(sink.bytes.begin(), sink.bytes.end());
}

void ExpectReads(const Format& format, const std::vector<GoodInput>& inputs) {
    for (const GoodInput& input : inputs) {
        for (size_t chunk : kChunkSizes) {
            SCOPED_TRACE(std::string(input.name) + ", chunk " + std::to_string(chunk));
            ReadResult result = ReadBytes(format, input.bytes, chunk);
            EXPECT_FALSE(result.refusal.has_value()) << result.refusal->Describe("input");
            const int32_t count = static_cast<int32_t>(input.expected.size());
            EXPECT_TRUE(SameQuestions(input.expected.data(), count, result.questions));
        }
    }
}

void ExpectRefuses(const Format& format, const std::vector<BadInput>& inputs) {
    for (const BadInput& input : inputs) {
        for (size_t chunk : kChunkSizes) {
            SCOPED_TRACE(std::string(input.name) + ", chunk " + std::to_string(chunk));
            ReadResult result = ReadBytes(format, input.bytes, chunk);
            ASSERT_TRUE(result.refusal.has_value());
            EXPECT_EQ(input.line, result.refusal->line);
            EXPECT_EQ(input.column, result.refusal->column);
            EXPECT_NE(std::string::npos, result.refusal->reason.find(input.reason)) << result.refusal->reason;
            EXPECT_TRUE(result.questions.IsEmpty());
        }
    }
}
