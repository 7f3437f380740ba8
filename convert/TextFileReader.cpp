#include "convert/TextFileReader.h"

#include "convert/AikenReader.h"
#include "convert/ChunkBuffer.h"
#include "convert/CsvReader.h"
#include "convert/Messages.h"
#include "convert/TextDecoder.h"
#include "convert/TextProbe.h"

#include <functional>
#include <memory>

namespace {

enum class ByteOrderMark { None, Utf8, Utf16 };

using ChunkHandler = std::function<bool(const uint8_t* data, size_t size)>;

// Reads the whole source into handle, chunk by chunk, until handle says stop; the byte order mark
// is recognised and left out. The first read is topped up to three bytes, so the mark is seen whole
// however the source splits its bytes.
ByteOrderMark ForEachChunk(ByteSource& source, ChunkBuffer& buffer, const ChunkHandler& handle) {
    size_t got = 0;
    while (got < 3) {
        const size_t more = source.Read(buffer.Data() + got, buffer.Size() - got);
        if (more == 0)
            break;
        got += more;
    }
    ByteOrderMark mark = ByteOrderMark::None;
    size_t skip = 0;
    const uint8_t* head = buffer.Data();
    if (got >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
        mark = ByteOrderMark::Utf8;
        skip = 3;
    } else if (got >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF))) {
        return ByteOrderMark::Utf16;
    }
    if (!handle(head + skip, got - skip))
        return mark;
    while ((got = source.Read(buffer.Data(), buffer.Size())) > 0)
        if (!handle(buffer.Data(), got))
            break;
    return mark;
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

ReadResult Refused(int64_t line, int64_t column, const std::string& reason) {
    return ReadResult{Refusal{line, column, reason}, QuestionArray()};
}

} // namespace

ReadResult TextFileReader::Read(FileFormat format, ByteSource& source) {
    ChunkBuffer buffer(source.Size());
    TextProbe probe;
    const ByteOrderMark mark = ForEachChunk(source, buffer, [&probe](const uint8_t* data, size_t size) {
        probe.Feed(data, size);
        return true;
    });
    if (mark == ByteOrderMark::Utf16)
        return Refused(0, 0, Messages::Utf16());
    probe.Finish();

    source.Rewind();
    std::unique_ptr<TextParser> parser = MakeParser(format, probe);
    // A byte order mark says UTF-8 even where a byte is not: that byte is then refused.
    TextDecoder decoder(mark == ByteOrderMark::Utf8 || probe.IsUtf8() ? TextEncoding::Utf8
                                                                      : TextEncoding::Cp1250);
    ChunkBuffer decoded(buffer.Size());
    ForEachChunk(source, buffer, [&](const uint8_t* data, size_t size) {
        return DecodeAndParse(decoder, *parser, data, size, decoded);
    });
    if (!parser->IsRefused()) {
        decoder.Finish();
        if (decoder.Failed())
            parser->RefuseNext(decoder.Reason());
        else
            parser->Finish();
    }
    if (parser->IsRefused())
        return Refused(parser->GetRefusal().line, parser->GetRefusal().column, parser->GetRefusal().reason);
    return ReadResult{std::nullopt, parser->TakeQuestions()};
}
