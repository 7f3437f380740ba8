#pragma once
// Reads a test file as it arrives, chunk by chunk, straight into the question records, so a large
// test needs little more memory than its array. Plain bytes in, records or a reason out: no Win32
// here, so the same code builds natively for the fuzzer.

#include "QuestionArray.h"

#include <cstddef>
#include <cstdint>
#include <functional>

enum class DecodeError {
    None,
    CountNotPositive,  // count is 0 or negative
    CountTooLarge,     // more entries than the file's size can hold
    LengthOutOfRange,  // a text length outside 1..1024
    TextNotTerminated, // a text whose last byte is not NUL
    Truncated,         // the file ends before its last entry, or inside the count
    OutOfMemory,       // the array cannot be allocated
};

class TestFileDecoder {
public:
    // fileSize is the whole file's size, known before reading; it bounds the count, and with it the
    // allocation, before a byte of the array is requested.
    explicit TestFileDecoder(uint64_t fileSize);

    // Decodes the next chunk. Returns false once the file is refused; the refusal is sticky and
    // later calls do nothing. Once every entry is read, further bytes are ignored (true).
    bool Feed(const uint8_t* data, size_t size);

    // Call after the last chunk: true when every announced entry was read. A file that ended early
    // is refused here as Truncated.
    bool Finish();

    bool IsComplete() const { return m_state == State::Done; }
    DecodeError Error() const { return m_error; }

    // The decoded test after a successful Finish (an empty array otherwise). Moves it out.
    QuestionArray TakeQuestions();

private:
    enum class State { Count, Correct, Length, Text, Done, Failed };

    bool Fail(DecodeError error);
    // Gathers a little-endian 32-bit value across chunks; true once all four bytes are in.
    bool GatherWord(const uint8_t*& data, const uint8_t* end);
    void OnWord(int32_t value);
    void OnTextDone();

    uint64_t m_fileSize;
    State m_state = State::Count;
    DecodeError m_error = DecodeError::None;
    QuestionArray m_questions;

    uint32_t m_word = 0;
    int m_wordBytes = 0;

    int32_t m_record = 0; // record being filled
    int m_field = 0;      // text field being filled, 0..4
    int32_t m_length = 0; // announced length of that text, 1..1024
    int32_t m_filled = 0; // bytes of it already copied
};

struct DecodeResult {
    DecodeError error;
    QuestionArray questions;
};

// Fills up to capacity bytes of a file and returns how many; 0 at its end. May throw.
using ReadChunk = std::function<size_t(uint8_t* buffer, size_t capacity)>;

// Decodes a whole file of fileSize bytes as read hands it out, at most chunkSize bytes at a time:
// the one loop of every reader of test files.
DecodeResult DecodeTestFile(uint64_t fileSize, const ReadChunk& read, size_t chunkSize = 1 << 20);
// The same over a buffer already in memory (tests, fuzzer).
DecodeResult DecodeTestFile(const uint8_t* data, size_t size, size_t chunkSize = 1 << 20);
