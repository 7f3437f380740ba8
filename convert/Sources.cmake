# The converter's portable sources, relative to convert/: the Windows build and the native one in
# fuzz/ both take this list.
set(KVIZAR_CONVERT_SOURCES
    AikenReader.cpp
    AikenWriter.cpp
    ConvertCommand.cpp
    CsvReader.cpp
    CsvWriter.cpp
    HtmlPage.cpp
    MemorySource.cpp
    Messages.cpp
    QuestionCollector.cpp
    QuestionFile.cpp
    Refusal.cpp
    TextDecoder.cpp
    TextFileReader.cpp
    TextParser.cpp
    TextProbe.cpp
    Utf8Decoder.cpp
    Utf8Pairs.cpp
    Utf8Validator.cpp
    Utf8Output.cpp
)
