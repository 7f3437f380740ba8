#pragma once
// UTF-8 one byte at a time, refusing what the standard refuses: overlong forms, surrogates,
// anything past U+10FFFF, and (by InSequence at the end) a sequence cut short. Inline: the first
// pass and the decoder feed it every byte their fast paths leave.

#include <cstdint>

class Utf8Decoder {
public:
    static constexpr int32_t kNeedMore = -1;
    static constexpr int32_t kInvalid = -2;

    // The character this byte completes, kNeedMore inside a sequence, or kInvalid for a byte that
    // cannot stand here; after kInvalid the decoder starts afresh.
    int32_t Feed(uint8_t byte) {
        if (m_pending == 0)
            return Start(byte);
        const bool fits = byte >= m_low && byte <= m_high;
        m_low = 0x80;
        m_high = 0xBF;
        if (!fits) {
            m_pending = 0;
            return kInvalid;
        }
        m_character = (m_character << 6) | (byte & 0x3F);
        return --m_pending == 0 ? m_character : kNeedMore;
    }

    bool InSequence() const { return m_pending > 0; }

private:
    int32_t Start(uint8_t byte);

    int32_t m_character = 0;
    int m_pending = 0; // continuation bytes still to come
    uint8_t m_low = 0x80, m_high = 0xBF;
};
