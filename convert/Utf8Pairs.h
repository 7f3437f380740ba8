#pragma once
// What a byte of UTF-8 is, told by the byte and the one after it, in one lookup: the fast paths of
// the UTF-8 check and of the decoder judge a text 64 bytes at a time with it, without a branch
// between ASCII and the two-byte sequences most Czech letters are (which comes next in a text is
// anybody's guess) and without a step of one or two bytes that would make each byte wait for the
// one before. Anything else (a line end, a longer sequence, a fault) is left to the exact decoder.

#include <cstddef>
#include <cstdint>

class Utf8Pairs {
public:
    // Bits of an entry. The low eight hold the byte a decoder puts out for it.
    static constexpr uint16_t kStarts = 1 << 8;     // not a continuation byte: a character starts here
    static constexpr uint16_t kLead = 1 << 9;       // a two-byte lead followed by a continuation
    static constexpr uint16_t kUtf8 = 1 << 10;      // plain UTF-8 (given a continuation follows a lead)
    static constexpr uint16_t kPrintable = 1 << 11; // and a character the test holds, not a control

    // Bytes judged at once; a block needs the byte after it as well.
    static constexpr ptrdiff_t kBlock = 64;

    // True when the block at data (kBlock bytes and one more readable) holds only ASCII and two-
    // byte sequences with every entry having the bits of want; puts each character's byte out when
    // out is not null. afterLead tells whether the block's last byte began a sequence.
    static bool JudgeBlock(const uint8_t* data, uint16_t want, uint8_t* out, size_t& written,
                           bool& afterLead);

private:
    static const uint16_t* Table();
    static uint16_t Entry(const uint16_t* table, const uint8_t* at) { return table[at[0] | (at[1] << 8)]; }
};
