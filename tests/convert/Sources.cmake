# The converter's tests, relative to tests/convert/: built for Wine by tests/CMakeLists.txt and
# natively by fuzz/, the same sources.
set(KVIZAR_CONVERT_TEST_SOURCES
    AikenTest.cpp
    ConvertCommandTest.cpp
    ConvertTesting.cpp
    CsvTest.cpp
    ExportTest.cpp
    HtmlPageTest.cpp
    ScormPackageTest.cpp
    TextInputTest.cpp
    WordDocumentTest.cpp
)
