#include "convert/ZipWriter.h"

#include <algorithm>
#include <new>

namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kDataDescriptor = 0x08074b50;
constexpr uint32_t kCentralHeader = 0x02014b50;
constexpr uint32_t kEndOfCentralDirectory = 0x06054b50;
constexpr uint16_t kVersion = 20;         // 2.0: deflate, data descriptors
constexpr uint16_t kSizesFollow = 0x0008; // bit 3: CRC and sizes in the data descriptor
constexpr uint16_t kDeflated = 8;
// 1980-01-01 00:00, the first day a ZIP can name, for every entry: no clock goes into an archive.
constexpr uint16_t kDosTime = 0;
constexpr uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr size_t kOutputSize = 256 * 1024;
// zlib counts its input in 32 bits.
constexpr size_t kLargestStep = 1u << 30;
// What a 32-bit size or offset can name.
constexpr uint64_t kMostBytes = UINT32_MAX;

// A header's fields, little-endian, in the order they are appended.
class Fields {
public:
    Fields& U16(uint32_t value) {
        m_bytes.push_back(static_cast<uint8_t>(value));
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    Fields& U32(uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
    Fields& Text(const std::string& text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace

ZipWriter::ZipWriter(ByteSink& sink) : m_sink(sink), m_entrySink(*this), m_out(kOutputSize) {
    // Raw deflate (negative window bits): the ZIP's own headers stand where zlib's would.
    if (deflateInit2(&m_stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
}

ZipWriter::~ZipWriter() {
    deflateEnd(&m_stream);
}

ByteSink& ZipWriter::BeginEntry(const std::string& name) {
    Entry entry;
    entry.name = name;
    entry.crc = static_cast<uint32_t>(crc32(0, nullptr, 0));
    entry.offset = static_cast<uint32_t>(m_offset);
    m_entries.push_back(entry);
    m_entrySize = 0;
    Put(Fields()
            .U32(kLocalHeader)
            .U16(kVersion)
            .U16(kSizesFollow)
            .U16(kDeflated)
            .U16(kDosTime)
            .U16(kDosDate)
            .U32(0) // CRC and sizes: in the data descriptor
            .U32(0)
            .U32(0)
            .U16(static_cast<uint32_t>(name.size()))
            .U16(0) // no extra field
            .Text(name)
            .Bytes());
    deflateReset(&m_stream);
    return m_entrySink;
}

void ZipWriter::EndEntry() {
    Deflate(nullptr, 0, Z_FINISH);
    Entry& entry = m_entries.back();
    entry.compressedSize = static_cast<uint32_t>(m_stream.total_out);
    entry.size = static_cast<uint32_t>(m_entrySize);
    Put(Fields().U32(kDataDescriptor).U32(entry.crc).U32(entry.compressedSize).U32(entry.size).Bytes());
}

void ZipWriter::Finish() {
    const uint64_t start = m_offset;
    for (const Entry& entry : m_entries)
        Put(Fields()
                .U32(kCentralHeader)
                .U16(kVersion) // made by: MS-DOS attributes (none), version 2.0
                .U16(kVersion)
                .U16(kSizesFollow)
                .U16(kDeflated)
                .U16(kDosTime)
                .U16(kDosDate)
                .U32(entry.crc)
                .U32(entry.compressedSize)
                .U32(entry.size)
                .U16(static_cast<uint32_t>(entry.name.size()))
                .U16(0) // extra field
                .U16(0) // comment
                .U16(0) // disk
                .U16(0) // internal attributes
                .U32(0) // external attributes
                .U32(entry.offset)
                .Text(entry.name)
                .Bytes());
    const uint32_t count = static_cast<uint32_t>(m_entries.size());
    Put(Fields()
            .U32(kEndOfCentralDirectory)
            .U16(0) // this disk
            .U16(0) // the directory's disk
            .U16(count)
            .U16(count)
            .U32(static_cast<uint32_t>(m_offset - start))
            .U32(static_cast<uint32_t>(start))
            .U16(0) // no comment
            .Bytes());
}

void ZipWriter::Deflate(const uint8_t* data, size_t size, int flush) {
    Entry& entry = m_entries.back();
    if ((m_entrySize += size) > kMostBytes)
        throw TooLarge();
    do {
        const uInt step = static_cast<uInt>(std::min(size, kLargestStep));
        if (step > 0) // crc32 of no buffer starts a new CRC
            entry.crc = static_cast<uint32_t>(crc32(entry.crc, data, step));
        m_stream.next_in = const_cast<Bytef*>(data);
        m_stream.avail_in = step;
        data += step;
        size -= step;
        const int stepFlush = size == 0 ? flush : Z_NO_FLUSH;
        // Deflate has taken all of its input once it leaves room in the buffer; finishing, once it
        // says the stream has ended.
        for (;;) {
            m_stream.next_out = m_out.data();
            m_stream.avail_out = static_cast<uInt>(m_out.size());
            const int result = deflate(&m_stream, stepFlush);
            Put(m_out.data(), m_out.size() - m_stream.avail_out);
            if (stepFlush == Z_FINISH ? result == Z_STREAM_END : m_stream.avail_out != 0)
                break;
        }
    } while (size > 0);
}

void ZipWriter::Put(const uint8_t* data, size_t size) {
    if (size == 0)
        return;
    // The end of the central directory names where the directory starts and how long it is: the
    // whole archive must stay within 4 GiB.
    if (m_offset + size > kMostBytes)
        throw TooLarge();
    m_sink.Write(data, size);
    m_offset += size;
}

void ZipWriter::Put(const std::vector<uint8_t>& bytes) {
    Put(bytes.data(), bytes.size());
}
