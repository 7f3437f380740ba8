#include "convert/Utf8Validator.h"

#include "convert/Utf8Pairs.h"

#include <algorithm>

void Utf8Validator::Feed(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    while (m_valid && data != end) {
        // Plain text a block at a time between characters (the decoder's judge: it takes what the
        // test holds, but what it leaves is checked here byte by byte), else a byte at a time.
        uint8_t decoded[Utf8Pairs::kBlock];
        size_t written = 0;
        bool afterLead = false;
        while (!m_utf8.InSequence() && end - data > Utf8Pairs::kBlock &&
               Utf8Pairs::JudgeBlock(data, decoded, written, afterLead))
            data += Utf8Pairs::kBlock + afterLead;
        for (const uint8_t* stop = data + std::min<ptrdiff_t>(end - data, Utf8Pairs::kBlock);
             m_valid && data < stop;)
            m_valid = m_utf8.Feed(*data++) != Utf8Decoder::kInvalid;
    }
}
