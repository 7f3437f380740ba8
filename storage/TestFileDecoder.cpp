#include "TestFileDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace {

// The smallest entry the count may announce: the correct index and five texts, each a length and
// at least its NUL. This bounds the allocation by the file's size before anything is allocated.
constexpr uint64_t kMinEntryBytes = 4 + kTextFieldCount * (4 + 1);
constexpr uint64_t kCountBytes = 4;

} // namespace

TestFileDecoder::TestFileDecoder(uint64_t fileSize) : m_fileSize(fileSize) {}

bool TestFileDecoder::Fail(DecodeError error) {
    m_error = error;
    m_state = State::Failed;
    m_questions = QuestionArray(); // nothing half-read is ever handed out
    return false;
}

bool TestFileDecoder::GatherWord(const uint8_t*& data, const uint8_t* end) {
    while (m_wordBytes < 4 && data != end)
        m_word |= static_cast<uint32_t>(*data++) << (8 * m_wordBytes++);
    return m_wordBytes == 4;
}

bool TestFileDecoder::Feed(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    while (data != end) {
        switch (m_state) {
        case State::Failed:
            return false;
        case State::Done:
            return true; // trailing bytes after the last entry are not ours
        case State::Text: {
            char* field = m_questions[m_record].text[m_field];
            // m_length is at most 1024, so this never reaches past the field.
            size_t take = std::min(static_cast<size_t>(end - data), static_cast<size_t>(m_length - m_filled));
            std::memcpy(field + m_filled, data, take);
            data += take;
            m_filled += static_cast<int32_t>(take);
            if (m_filled == m_length)
                OnTextDone();
            break;
        }
        default:
            if (GatherWord(data, end)) {
                // Two's complement on every host we build for; the file stores signed values.
                int32_t value = static_cast<int32_t>(m_word);
                m_word = 0;
                m_wordBytes = 0;
                OnWord(value);
            }
            break;
        }
    }
    return m_state != State::Failed;
}

void TestFileDecoder::OnWord(int32_t value) {
    switch (m_state) {
    case State::Count: {
        if (value < 1) {
            Fail(DecodeError::CountNotPositive);
            return;
        }
        uint64_t room = m_fileSize < kCountBytes ? 0 : (m_fileSize - kCountBytes) / kMinEntryBytes;
        if (static_cast<uint64_t>(value) > room) {
            Fail(DecodeError::CountTooLarge);
            return;
        }
        m_questions = QuestionArray::Allocate(value);
        if (m_questions.IsEmpty()) {
            Fail(DecodeError::OutOfMemory);
            return;
        }
        m_state = State::Correct;
        return;
    }
    case State::Correct:
        m_questions[m_record].correct = value;
        m_field = 0;
        m_state = State::Length;
        return;
    case State::Length:
        if (value < 1 || value > kTextFieldSize) {
            Fail(DecodeError::LengthOutOfRange);
            return;
        }
        m_length = value;
        m_filled = 0;
        m_state = State::Text;
        return;
    default:
        return;
    }
}

void TestFileDecoder::OnTextDone() {
    // Only the last byte must be NUL; a NUL earlier just ends the text sooner, as strlen sees it.
    if (m_questions[m_record].text[m_field][m_length - 1] != '\0') {
        Fail(DecodeError::TextNotTerminated);
        return;
    }
    if (++m_field < kTextFieldCount) {
        m_state = State::Length;
        return;
    }
    m_state = ++m_record < m_questions.Count() ? State::Correct : State::Done;
}

bool TestFileDecoder::Finish() {
    if (m_state == State::Failed)
        return false;
    if (m_state != State::Done)
        return Fail(DecodeError::Truncated);
    return true;
}

QuestionArray TestFileDecoder::TakeQuestions() {
    if (m_state != State::Done)
        return QuestionArray();
    return std::move(m_questions);
}

DecodeResult DecodeTestFile(uint64_t fileSize, const ReadChunk& read, size_t chunkSize) {
    const size_t bufferSize =
        static_cast<size_t>(std::min<uint64_t>(std::max<size_t>(chunkSize, 1), fileSize + 1));
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[bufferSize]);
    TestFileDecoder decoder(fileSize);
    while (!decoder.IsComplete()) {
        const size_t got = read(buffer.get(), bufferSize);
        if (got == 0 || !decoder.Feed(buffer.get(), got))
            break;
    }
    decoder.Finish();
    return DecodeResult{decoder.Error(), decoder.TakeQuestions()};
}

DecodeResult DecodeTestFile(const uint8_t* data, size_t size, size_t chunkSize) {
    size_t offset = 0;
    return DecodeTestFile(
        size,
        [&](uint8_t* buffer, size_t capacity) {
            const size_t take = std::min(capacity, size - offset);
            if (take > 0) // an empty file may come as a null pointer
                std::memcpy(buffer, data + offset, take);
            offset += take;
            return take;
        },
        chunkSize);
}
