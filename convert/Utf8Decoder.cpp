#include "convert/Utf8Decoder.h"

int32_t Utf8Decoder::Start(uint8_t byte) {
    // The second byte's range closes the overlong forms (E0, F0), the surrogates (ED) and what
    // lies past U+10FFFF (F4); C0, C1 and F5..FF never start a sequence.
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC2 && byte <= 0xDF) {
        m_pending = 1;
        m_character = byte & 0x1F;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        m_pending = 2;
        m_character = byte & 0x0F;
        m_low = byte == 0xE0 ? 0xA0 : 0x80;
        m_high = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        m_pending = 3;
        m_character = byte & 0x07;
        m_low = byte == 0xF0 ? 0x90 : 0x80;
        m_high = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        return kInvalid;
    }
    return kNeedMore;
}
