#include "convert/TextFileReader.h"

#include "convert/AikenReader.h"
#include "convert/ChunkBuffer.h"
#include "convert/CsvReader.h"
#include "convert/Messages.h"
#include "convert/TextDecoder.h"
#include "convert/TextProbe.h"
#include "convert/Utf8Validator.h"

#include <functional>
#include <memory>

namespace {

enum class ByteOrderMark { None, Utf8, Utf16 };

// Reads until buffer holds at least size bytes or the source ends; returns how many it holds.
size_t ReadAtLeast(ByteSource& source, ChunkBuffer& buffer, size_t size) {
    size_t got = 0;
    while (got < size) {
        const size_t more = source.Read(buffer.Data() + got, buffer.Size() - got);
        if (more == 0)
            break;
        got += more;
    }
    return got;
}

ByteOrderMark ReadMark(ByteSource& source, ChunkBuffer& buffer) {
    const size_t got = ReadAtLeast(source, buffer, 3);
    const uint8_t* head = buffer.Data();
    source.Rewind();
    if (got >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        return ByteOrderMark::Utf8;
    if (got >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF)))
        return ByteOrderMark::Utf16;
    return ByteOrderMark::None;
}

using ChunkHandler = std::function<bool(const uint8_t* data, size_t size)>;

// Reads the whole source into handle, chunk by chunk, from its start and without a byte order
// mark, until handle says stop.
void ForEachChunk(ByteSource& source, ByteOrderMark mark, ChunkBuffer& buffer, const ChunkHandler& handle) {
    source.Rewind();
    const size_t skip = mark == ByteOrderMark::Utf8 ? 3 : 0;
    const size_t got = ReadAtLeast(source, buffer, skip);
    if (!handle(buffer.Data() + skip, got - skip))
        return;
    for (size_t more; (more = source.Read(buffer.Data(), buffer.Size())) > 0;)
        if (!handle(buffer.Data(), more))
            return;
}

std::unique_ptr<TextParser> MakeParser(FileFormat format, const TextProbe& probe) {
    if (format == FileFormat::Aiken)
        return std::make_unique<AikenReader>(probe.NonBlankLines());
    return std::make_unique<CsvReader>(probe.Lines(), probe.Delimiter());
}

// Decodes a chunk and hands what came out to the parser; false once either has refused.
bool DecodeAndParse(TextDecoder& decoder, TextParser& parser, const uint8_t* data, size_t size,
                    ChunkBuffer& decoded) {
    const size_t produced = decoder.Decode(data, data + size, decoded.Data());
    if (!parser.Parse(decoded.Data(), produced))
        return false;
    if (decoder.Failed())
        parser.RefuseNext(decoder.Reason());
    return !decoder.Failed();
}

// The second pass: decodes and parses the whole file in one encoding. notUtf8 tells whether the
// decoder stopped at a byte that is not UTF-8.
ReadResult Parse(FileFormat format, const TextProbe& probe, TextEncoding encoding, ByteSource& source,
                 ByteOrderMark mark, ChunkBuffer& buffer, bool& notUtf8) {
    std::unique_ptr<TextParser> parser = MakeParser(format, probe);
    TextDecoder decoder(encoding);
    ChunkBuffer decoded(buffer.Size());
    ForEachChunk(source, mark, buffer, [&](const uint8_t* data, size_t size) {
        return DecodeAndParse(decoder, *parser, data, size, decoded);
    });
    if (!parser->IsRefused()) {
        decoder.Finish();
        if (decoder.Failed())
            parser->RefuseNext(decoder.Reason());
        else
            parser->Finish();
    }
    notUtf8 = decoder.FoundNotUtf8();
    if (parser->IsRefused())
        return ReadResult{parser->GetRefusal(), QuestionArray()};
    return ReadResult{std::nullopt, parser->TakeQuestions()};
}

bool IsUtf8(ByteSource& source, ChunkBuffer& buffer) {
    Utf8Validator validator;
    ForEachChunk(source, ByteOrderMark::None, buffer, [&validator](const uint8_t* data, size_t size) {
        validator.Feed(data, size);
        return true;
    });
    return validator.Finish();
}

} // namespace

ReadResult TextFileReader::Read(FileFormat format, ByteSource& source) {
    ChunkBuffer buffer(source.Size());
    const ByteOrderMark mark = ReadMark(source, buffer);
    if (mark == ByteOrderMark::Utf16)
        return ReadResult{Refusal{0, 0, Messages::Utf16()}, QuestionArray()};
    TextProbe probe;
    ForEachChunk(source, mark, buffer, [&probe](const uint8_t* data, size_t size) {
        probe.Feed(data, size);
        return true;
    });
    probe.Finish();

    // A file is UTF-8 unless some byte of it is not, and most are: it is read as UTF-8 on trust.
    // Where that meets such a byte, or refuses the file while such a byte comes further on, it is
    // read again as Windows-1250. A byte order mark says UTF-8 for certain.
    bool notUtf8 = false;
    ReadResult result = Parse(format, probe, TextEncoding::Utf8, source, mark, buffer, notUtf8);
    if (result.refusal && mark == ByteOrderMark::None && (notUtf8 || !IsUtf8(source, buffer)))
        result = Parse(format, probe, TextEncoding::Cp1250, source, mark, buffer, notUtf8);
    return result;
}
