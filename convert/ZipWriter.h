#pragma once
// A ZIP archive written front to back into a sink that cannot seek: each entry's bytes go through
// zlib's raw deflate as they come, and its CRC and sizes follow it in a data descriptor
// (general-purpose bit 3), so no entry is ever held whole in memory. No ZIP64: its sizes and
// offsets are 32-bit, so an entry or an archive that would pass 4 GiB stops the writing with
// TooLarge (a page of the largest test stays below that; six groups of it on paper do not). Names
// are ASCII and every entry carries the same fixed date, so the same entries give the same bytes.

#include "convert/FileAccess.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ZipWriter {
public:
    class TooLarge : public std::length_error {
    public:
        TooLarge() : std::length_error("ZIP past 4 GiB") {}
    };

    explicit ZipWriter(ByteSink& sink);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Starts the entry name (ASCII, '/' between folders); what is written to the returned sink,
    // until EndEntry, is its content.
    ByteSink& BeginEntry(const std::string& name);
    void EndEntry();
    // Writes the central directory that ends the archive; call once, after the last entry.
    void Finish();

private:
    class EntrySink : public ByteSink {
    public:
        explicit EntrySink(ZipWriter& zip) : m_zip(zip) {}
        void Write(const uint8_t* data, size_t size) override { m_zip.Deflate(data, size, Z_NO_FLUSH); }

    private:
        ZipWriter& m_zip;
    };

    struct Entry {
        std::string name;
        uint32_t crc = 0;
        uint32_t compressedSize = 0;
        uint32_t size = 0;
        uint32_t offset = 0; // of its local header
    };

    // Feeds data to zlib and hands what comes out to the sink, a buffer at a time.
    void Deflate(const uint8_t* data, size_t size, int flush);
    void Put(const uint8_t* data, size_t size);
    void Put(const std::vector<uint8_t>& bytes);

    ByteSink& m_sink;
    EntrySink m_entrySink;
    z_stream m_stream = {};
    std::vector<uint8_t> m_out;
    std::vector<Entry> m_entries;
    uint64_t m_entrySize =
        0;                 // of the current entry, before compression (zlib counts it in 32 bits on Windows)
    uint64_t m_offset = 0; // bytes given to the sink so far
};
