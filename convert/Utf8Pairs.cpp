#include "convert/Utf8Pairs.h"

#include "storage/Cp1250.h"

namespace {

constexpr uint32_t kStarts = 1u << 8, kLead = 1u << 16, kOther = 1u << 24;

uint32_t MakeEntry(uint8_t byte, uint8_t next) {
    if (byte < 0x80)
        return byte | kStarts | (byte >= 0x20 && byte < 0x7F ? 0 : kOther);
    if ((byte & 0xC0) == 0x80) // a continuation: the block counts that each follows a lead
        return 0;
    if (byte < 0xC2 || byte > 0xDF || (next & 0xC0) != 0x80)
        return kStarts | kOther;
    const char32_t character = static_cast<char32_t>(((byte & 0x1F) << 6) | (next & 0x3F));
    const int mapped = Cp1250::FromUnicode(character);
    if (character < 0xA0 || mapped < 0)
        return kStarts | kOther;
    return static_cast<uint32_t>(mapped) | kStarts | kLead;
}

struct PairTable {
    uint32_t entries[1 << 16];
};

PairTable MakeTable() {
    PairTable table;
    for (int i = 0; i < (1 << 16); ++i)
        table.entries[i] = MakeEntry(static_cast<uint8_t>(i & 0xFF), static_cast<uint8_t>(i >> 8));
    return table;
}

} // namespace

const uint32_t* Utf8Pairs::Table() {
    static const PairTable table = MakeTable();
    return table.entries;
}

bool Utf8Pairs::JudgeBlock(const uint8_t* data, uint8_t* out, size_t& written, bool& afterLead) {
    const uint32_t* table = Table();
    uint32_t sum = 0; // characters started in bits 0..7, leads in 8..15, others from 16
    uint32_t entry = 0;
    uint8_t* put = out;
    for (const uint8_t* p = data; p != data + kBlock; ++p) {
        entry = table[p[0] | (p[1] << 8)];
        *put = static_cast<uint8_t>(entry);
        put += (entry >> 8) & 1;
        sum += entry >> 8;
    }
    const uint32_t starts = sum & 0xFF, leads = (sum >> 8) & 0xFF;
    written = starts;
    afterLead = (entry & kLead) != 0;
    // Each lead's continuation follows it, within the block but for the last byte's: so the
    // continuations number as many exactly when none stands anywhere else.
    return (sum >> 16) == 0 && kBlock - starts == leads - afterLead;
}
