#include "storage/TestFile.h"

#include "platform/TemporaryFile.h"
#include "storage/TestFileEncoder.h"

#include <algorithm>
#include <climits>

DecodeResult ReadTestFile(const std::wstring& path) {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw error;
    return DecodeTestFile(file.GetLength(), [&file](uint8_t* buffer, size_t capacity) {
        return file.Read(buffer, static_cast<UINT>(std::min<size_t>(capacity, UINT_MAX)));
    });
}

void WriteTestFile(const std::wstring& path, const QuestionArray& questions) {
    CTemporaryFile file;
    file.Create(path);
    TestFileEncoder::WriteAll(questions, [&file](const uint8_t* data, size_t size) {
        file.Write(data, static_cast<UINT>(size)); // chunks of 1 MB at most
    });
    file.Commit();
}
