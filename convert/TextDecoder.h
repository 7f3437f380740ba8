#pragma once
// Turns a text file's bytes, UTF-8 or Windows-1250, into the test's Windows-1250 bytes, chunk by
// chunk. What comes out has one LF for each line end (LF or CRLF) and no control character but
// TAB and LF, so the format readers see every character as one byte; a character that cannot be
// read stops the decoding with its reason, and the reader refuses it at the position it reached.

#include "convert/Utf8Decoder.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum class TextEncoding { Utf8, Cp1250 };

class TextDecoder {
public:
    explicit TextDecoder(TextEncoding encoding);

    // Decodes from in until end or a character that cannot be read, into out, which has room for
    // (end - in) bytes; returns how many it wrote and advances in past what it used.
    size_t Decode(const uint8_t*& in, const uint8_t* end, uint8_t* out);

    // After the last chunk: a UTF-8 sequence or a CR left open fails here.
    void Finish();

    bool Failed() const { return !m_reason.empty(); }
    const std::string& Reason() const { return m_reason; }
    // Failed at a byte that is not UTF-8 (decoding UTF-8).
    bool FoundNotUtf8() const { return m_notUtf8; }

private:
    // Puts a character out; false (failed) when the test cannot hold it.
    bool Put(char32_t character, uint8_t*& out);
    // Decodes one character the general way: a line end, a control, one above ASCII, or the rest
    // of one the last chunk began. False once failed.
    bool Step(const uint8_t*& in, const uint8_t* end, uint8_t*& out);
    bool Fail(const std::string& reason);
    bool FailNotUtf8();
    // Printable ASCII and two-byte sequences, a block at a time (see Utf8Pairs).
    void FastUtf8(const uint8_t*& in, const uint8_t* end, uint8_t*& out);

    TextEncoding m_encoding;
    Utf8Decoder m_utf8;
    bool m_pendingCr = false;
    bool m_notUtf8 = false;
    std::string m_reason;
};
