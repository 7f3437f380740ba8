#include "convert/TextDecoder.h"

#include "convert/Cp1250.h"
#include "convert/Messages.h"

TextDecoder::TextDecoder(TextEncoding encoding) : m_encoding(encoding) {}

bool TextDecoder::Put(char32_t character, uint8_t*& out) {
    if (character == '\n' || character == '\t' || (character >= 0x20 && character < 0x7F)) {
        *out++ = static_cast<uint8_t>(character);
        return true;
    }
    if (character < 0xA0) {
        m_reason = Messages::ControlCharacter(character);
        return false;
    }
    const int byte = Cp1250::FromUnicode(character);
    if (byte < 0) {
        m_reason = Messages::NotInCodePage(character);
        return false;
    }
    *out++ = static_cast<uint8_t>(byte);
    return true;
}

bool TextDecoder::PutByte(uint8_t byte, uint8_t*& out) {
    if (m_encoding == TextEncoding::Cp1250)
        return Put(Cp1250::ToUnicode(byte), out);
    const int32_t character = m_utf8.Feed(byte);
    if (character == Utf8Decoder::kNeedMore)
        return true;
    if (character == Utf8Decoder::kInvalid) {
        m_reason = Messages::InvalidUtf8();
        return false;
    }
    return Put(static_cast<char32_t>(character), out);
}

size_t TextDecoder::Decode(const uint8_t*& in, const uint8_t* end, uint8_t* out) {
    uint8_t* const start = out;
    while (in != end && !Failed()) {
        const uint8_t byte = *in;
        if (m_pendingCr) {
            // A CR counts only as the first half of CRLF.
            m_pendingCr = false;
            if (byte != '\n') {
                m_reason = Messages::ControlCharacter('\r');
                break;
            }
        } else if (byte == '\r') {
            m_pendingCr = true;
            ++in;
            continue;
        }
        // Printable ASCII, most of any text, goes straight through.
        if (byte >= 0x20 && byte < 0x7F && !m_utf8.InSequence())
            *out++ = byte;
        else if (!PutByte(byte, out))
            break;
        ++in;
    }
    return static_cast<size_t>(out - start);
}

void TextDecoder::Finish() {
    if (Failed())
        return;
    if (m_pendingCr)
        m_reason = Messages::ControlCharacter('\r');
    else if (m_utf8.InSequence())
        m_reason = Messages::InvalidUtf8();
}
