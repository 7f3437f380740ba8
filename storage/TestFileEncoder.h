#pragma once
// Writes a test in the test file format, pulled in chunks as large as the saver likes, so saving a
// large test needs no second copy of it. No Win32 here, like the decoder.

#include "QuestionArray.h"

#include <cstddef>
#include <cstdint>
#include <functional>

class TestFileEncoder {
public:
    // Borrows the records; they must stay unchanged until the last chunk is pulled. A count below 1
    // writes the count alone.
    TestFileEncoder(const QuestionRecord* records, int32_t count);

    // Fills up to capacity bytes and returns how many it wrote; 0 once everything is out. The bytes
    // do not depend on how the capacities are chosen.
    size_t Next(uint8_t* buffer, size_t capacity);

    // The file's size in bytes: a pass over every text, so ask only when it is needed.
    uint64_t EncodedSize() const;

    // Writes the whole test through write, in chunks of at most 1 MB: the one loop of every writer
    // of test files.
    static void WriteAll(const QuestionArray& questions,
                         const std::function<void(const uint8_t*, size_t)>& write);

private:
    // Moves to the next piece of output (a 32-bit value, a text, or a text's NUL); false at the end.
    bool NextPiece();
    void SetWord(int32_t value);

    const QuestionRecord* m_records;
    int32_t m_count;

    int32_t m_record = -1; // -1 while the count is written
    int m_step = 0;        // within a record: correct index, then length, text, NUL per field
    bool m_ended = false;

    uint8_t m_word[4] = {};
    const uint8_t* m_piece = nullptr;
    size_t m_pieceSize = 0;
    size_t m_pieceOffset = 0;
    size_t m_textLength = 0; // of the field being written, found once at its length
};
