#pragma once
// What a byte of UTF-8 is, told by the byte and the one after it, in one lookup: the decoder's fast
// path judges a text 64 bytes at a time with it, without a branch between ASCII and the two-byte
// sequences most Czech letters are (which comes next in a text is anybody's guess) and without a
// step of one or two bytes that would make each byte wait for the one before. Anything else (a
// control, a line end, a longer sequence, a fault) is left to the exact decoder.

#include <cstddef>
#include <cstdint>

class Utf8Pairs {
public:
    // Bytes judged at once; a block needs the byte after it as well.
    static constexpr ptrdiff_t kBlock = 64;

    // True when the block at data (kBlock bytes, and one more readable) holds only printable ASCII
    // and two-byte sequences of characters the test holds, the first starting at data. Puts the
    // Windows-1250 byte of each character out (kBlock bytes of room), tells how many, and whether
    // the block's last byte begins a sequence that ends after it.
    static bool JudgeBlock(const uint8_t* data, uint8_t* out, size_t& written, bool& afterLead);

private:
    // An entry: the character's byte in bits 0..7, and 1 in bit 8 where a character starts, in
    // bit 16 for a two-byte lead, in bit 24 for anything the fast path does not take. Shifted down
    // by eight, the fields of 64 entries add up without running into each other.
    static const uint32_t* Table();
};
