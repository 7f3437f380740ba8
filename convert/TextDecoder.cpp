#include "convert/TextDecoder.h"

#include "storage/Cp1250.h"
#include "convert/Messages.h"
#include "convert/Utf8Pairs.h"

#include <algorithm>

TextDecoder::TextDecoder(TextEncoding encoding) : m_encoding(encoding) {}

bool TextDecoder::Put(char32_t character, uint8_t*& out) {
    if (character == '\n' || character == '\t' || (character >= 0x20 && character < 0x7F)) {
        *out++ = static_cast<uint8_t>(character);
        return true;
    }
    if (character < 0xA0)
        return Fail(Messages::ControlCharacter(character));
    const int byte = Cp1250::FromUnicode(character);
    if (byte < 0)
        return Fail(Messages::NotInCodePage(character));
    *out++ = static_cast<uint8_t>(byte);
    return true;
}

bool TextDecoder::Fail(const std::string& reason) {
    m_reason = reason;
    return false;
}

bool TextDecoder::FailNotUtf8() {
    m_notUtf8 = true;
    return Fail(Messages::InvalidUtf8());
}

bool TextDecoder::Step(const uint8_t*& in, const uint8_t* end, uint8_t*& out) {
    // Inside a UTF-8 sequence even a CR is a byte of it (and so refused).
    if (m_pendingCr || (*in == '\r' && !m_utf8.InSequence())) {
        // A CR counts only as the first half of CRLF; the LF may come with the next chunk.
        if (!m_pendingCr)
            ++in;
        m_pendingCr = in == end;
        if (m_pendingCr)
            return true;
        if (*in != '\n')
            return Fail(Messages::ControlCharacter('\r'));
        *out++ = *in++;
        return true;
    }
    if (m_encoding == TextEncoding::Cp1250)
        return Put(Cp1250::ToUnicode(*in++), out);
    int32_t character;
    do
        character = m_utf8.Feed(*in++);
    while (character == Utf8Decoder::kNeedMore && in != end);
    if (character == Utf8Decoder::kInvalid)
        return FailNotUtf8();
    return character == Utf8Decoder::kNeedMore || Put(static_cast<char32_t>(character), out);
}

size_t TextDecoder::Decode(const uint8_t*& in, const uint8_t* end, uint8_t* out) {
    uint8_t* const start = out;
    // What the last chunk left open (a CR, a UTF-8 sequence) is finished first.
    bool going = true;
    while (going && in != end && (m_pendingCr || m_utf8.InSequence()))
        going = Step(in, end, out);
    while (going && in != end) {
        if (m_encoding == TextEncoding::Utf8)
            FastUtf8(in, end, out);
        // Then, until the next block, a character at a time; printable ASCII straight through.
        const uint8_t* const stepEnd = in + std::min<ptrdiff_t>(end - in, Utf8Pairs::kBlock);
        while (going && in < stepEnd) {
            if (*in >= 0x20 && *in < 0x7F)
                *out++ = *in++;
            else
                going = Step(in, end, out);
        }
    }
    return static_cast<size_t>(out - start);
}

void TextDecoder::FastUtf8(const uint8_t*& in, const uint8_t* end, uint8_t*& out) {
    size_t written = 0;
    bool afterLead = false;
    while (end - in > Utf8Pairs::kBlock && Utf8Pairs::JudgeBlock(in, out, written, afterLead)) {
        in += Utf8Pairs::kBlock + afterLead;
        out += written;
    }
}

void TextDecoder::Finish() {
    if (Failed())
        return;
    if (m_pendingCr)
        Fail(Messages::ControlCharacter('\r'));
    else if (m_utf8.InSequence())
        FailNotUtf8();
}
