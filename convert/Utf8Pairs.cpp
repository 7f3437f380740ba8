#include "convert/Utf8Pairs.h"

#include "convert/Cp1250.h"

namespace {

struct PairTable {
    uint16_t entries[1 << 16];
};

uint16_t MakeEntry(uint8_t byte, uint8_t next) {
    if (byte < 0x80) {
        const bool printable = byte >= 0x20 && byte < 0x7F;
        return static_cast<uint16_t>(byte | Utf8Pairs::kStarts | Utf8Pairs::kUtf8 |
                                     (printable ? Utf8Pairs::kPrintable : 0));
    }
    if ((byte & 0xC0) == 0x80) // fine only after a lead, which the block checks
        return Utf8Pairs::kUtf8 | Utf8Pairs::kPrintable;
    if (byte < 0xC2 || byte > 0xDF || (next & 0xC0) != 0x80)
        return Utf8Pairs::kStarts;
    const char32_t character = static_cast<char32_t>(((byte & 0x1F) << 6) | (next & 0x3F));
    const int mapped = Cp1250::FromUnicode(character);
    const bool printable = character >= 0xA0 && mapped >= 0;
    return static_cast<uint16_t>((printable ? mapped : 0) | Utf8Pairs::kStarts | Utf8Pairs::kLead |
                                 Utf8Pairs::kUtf8 | (printable ? Utf8Pairs::kPrintable : 0));
}

PairTable MakeTable() {
    PairTable table;
    for (int i = 0; i < (1 << 16); ++i)
        table.entries[i] = MakeEntry(static_cast<uint8_t>(i & 0xFF), static_cast<uint8_t>(i >> 8));
    return table;
}

} // namespace

const uint16_t* Utf8Pairs::Table() {
    static const PairTable table = MakeTable();
    return table.entries;
}

bool Utf8Pairs::JudgeBlock(const uint8_t* data, uint16_t want, uint8_t* out, size_t& written,
                           bool& afterLead) {
    const uint16_t* table = Table();
    uint8_t sink[kBlock];
    uint8_t* put = out ? out : sink;
    uint32_t missing = 0;
    uint32_t lead = 0; // of the byte before
    size_t count = 0;
    for (const uint8_t* p = data; p != data + kBlock; ++p) {
        const uint16_t entry = Entry(table, p);
        // A continuation byte must follow a lead.
        missing |= (want & ~entry) | (~entry & kStarts & ~(lead << 8));
        put[count] = static_cast<uint8_t>(entry);
        count += (entry >> 8) & 1;
        lead = (entry >> 9) & 1;
    }
    written = count;
    afterLead = lead != 0;
    return missing == 0;
}
