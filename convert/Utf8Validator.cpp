#include "convert/Utf8Validator.h"

#include "convert/Utf8Pairs.h"

#include <algorithm>

void Utf8Validator::Feed(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    while (m_valid && data != end) {
        // ASCII and two-byte sequences a block at a time between characters, else a byte at a time.
        size_t written = 0;
        bool afterLead = false;
        while (!m_utf8.InSequence() && end - data > Utf8Pairs::kBlock &&
               Utf8Pairs::JudgeBlock(data, Utf8Pairs::kUtf8, nullptr, written, afterLead))
            data += Utf8Pairs::kBlock + afterLead;
        for (const uint8_t* stop = data + std::min<ptrdiff_t>(end - data, Utf8Pairs::kBlock);
             m_valid && data < stop;)
            m_valid = m_utf8.Feed(*data++) != Utf8Decoder::kInvalid;
    }
}
