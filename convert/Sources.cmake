# The converter's portable sources, relative to convert/: the Windows build and the native one in
# fuzz/ both take this list.
set(KVIZAR_CONVERT_SOURCES
    AikenFormat.cpp
    ConvertCommand.cpp
    CsvFormat.cpp
    Format.cpp
    HtmlPage.cpp
    LineParser.cpp
    LineReader.cpp
    Messages.cpp
    Utf8Output.cpp
)
