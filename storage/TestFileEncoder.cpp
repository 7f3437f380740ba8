#include "TestFileEncoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kStepsPerRecord = 1 + 3 * kTextFieldCount;
const uint8_t kNul = 0;

} // namespace

TestFileEncoder::TestFileEncoder(const QuestionRecord* records, int32_t count)
    : m_records(records), m_count(count) {
    SetWord(m_count);
}

uint64_t TestFileEncoder::EncodedSize() const {
    uint64_t size = 4;
    for (int32_t i = 0; i < m_count; ++i) {
        size += 4;
        for (const auto& field : m_records[i].text)
            size += 4 + TextFieldLength(field) + 1;
    }
    return size;
}

void TestFileEncoder::SetWord(int32_t value) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        m_word[i] = static_cast<uint8_t>(bits >> (8 * i));
    m_piece = m_word;
    m_pieceSize = 4;
}

bool TestFileEncoder::NextPiece() {
    m_pieceOffset = 0;
    if (m_record < 0 || m_step == kStepsPerRecord) {
        if (++m_record >= m_count)
            return false;
        m_step = 0;
    }
    const QuestionRecord& record = m_records[m_record];
    int step = m_step++;
    if (step == 0) {
        SetWord(record.correct);
        return true;
    }
    const char* field = record.text[(step - 1) / 3];
    switch ((step - 1) % 3) {
    case 0:
        m_textLength = TextFieldLength(field);
        SetWord(static_cast<int32_t>(m_textLength + 1));
        break;
    case 1:
        m_piece = reinterpret_cast<const uint8_t*>(field);
        m_pieceSize = m_textLength;
        break;
    default:
        m_piece = &kNul;
        m_pieceSize = 1;
        break;
    }
    return true;
}

size_t TestFileEncoder::Next(uint8_t* buffer, size_t capacity) {
    size_t written = 0;
    while (written < capacity && !m_ended) {
        if (m_pieceOffset == m_pieceSize) {
            if (!NextPiece()) {
                m_ended = true;
                break;
            }
            continue;
        }
        size_t take = std::min(capacity - written, m_pieceSize - m_pieceOffset);
        std::memcpy(buffer + written, m_piece + m_pieceOffset, take);
        written += take;
        m_pieceOffset += take;
    }
    return written;
}

void TestFileEncoder::WriteAll(const QuestionArray& questions,
                               const std::function<void(const uint8_t*, size_t)>& write) {
    // Sized from the longest the file can be: the exact size would take a pass over every text.
    const uint64_t longestEntry = 4 + kTextFieldCount * (4 + kTextFieldSize);
    const uint64_t longest = 4 + longestEntry * static_cast<uint64_t>(std::max(questions.Count(), 0));
    const size_t chunkSize = static_cast<size_t>(std::min<uint64_t>(longest, 1 << 20));
    std::unique_ptr<uint8_t[]> chunk(new uint8_t[chunkSize]);
    TestFileEncoder encoder(questions.Data(), questions.Count());
    while (const size_t got = encoder.Next(chunk.get(), chunkSize))
        write(chunk.get(), got);
}
