#include "storage/TestFile.h"

#include "platform/MessageBox.h"
#include "platform/TemporaryFile.h"
#include "platform/Text.h"
#include "platform/Wnd.h"
#include "res/resource.h"
#include "storage/TestFileDecoder.h"
#include "storage/TestFileEncoder.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {
// Files move in chunks of this size: one system call each, and no second copy of a large test.
const ULONGLONG kChunkSize = 1 << 20;

UINT ChunkSizeFor(ULONGLONG fileSize) {
    return static_cast<UINT>(std::min(kChunkSize, std::max(fileSize, 1ULL)));
}

// The test's name as the user knows it: the file name without its folder and ".tst".
CString TestNameOf(const std::wstring& path) {
    const std::wstring fileName = path.substr(path.rfind(L'\\') + 1);
    return FromWide(fileName.substr(0, fileName.rfind(L'.')).c_str());
}

void ReportRefusedFile(const std::wstring& path, DecodeError error) {
    const char* format = error == DecodeError::OutOfMemory
                             ? "Test \"%s\" je příliš velký a nelze jej otevřít."
                             : "Test \"%s\" je poškozený a nelze jej otevřít.";
    CString text;
    text.Format(format, TestNameOf(path).GetString());
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    ShowMessageBox(CWnd::GetSafeOwner(), text, title, MB_OK | MB_ICONSTOP);
}

// Decodes the file as it is read. Others may read it meanwhile; it is closed again by the time
// this returns or throws CFileException.
DecodeResult ReadTestFile(const std::wstring& path) {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw error;
    const ULONGLONG size = file.GetLength();
    TestFileDecoder decoder(size);
    const UINT chunkSize = ChunkSizeFor(size);
    std::unique_ptr<uint8_t[]> chunk(new uint8_t[chunkSize]);
    while (!decoder.IsComplete()) {
        const UINT got = file.Read(chunk.get(), chunkSize);
        if (got == 0 || !decoder.Feed(chunk.get(), got))
            break;
    }
    decoder.Finish();
    return DecodeResult{decoder.Error(), decoder.TakeQuestions()};
}

// Writes the test beside path, flushes it and puts it in path's place. Throws CFileException,
// by which time the new file is gone and the old one untouched.
void WriteAndReplace(const std::wstring& path, const QuestionArray& questions) {
    TestFileEncoder encoder(questions.Data(), questions.Count());
    // Sized from the longest the file can be: the exact size would take a pass over every text.
    const ULONGLONG longestEntry = 4 + kTextFieldCount * (4 + kTextFieldSize);
    const UINT chunkSize = ChunkSizeFor(4 + longestEntry * std::max(questions.Count(), 0));
    std::unique_ptr<uint8_t[]> chunk(new uint8_t[chunkSize]);
    CTemporaryFile file;
    file.Create(path);
    while (const size_t got = encoder.Next(chunk.get(), chunkSize))
        file.Write(chunk.get(), static_cast<UINT>(got));
    file.Commit();
}
} // namespace

QuestionArray LoadTestFile(const std::wstring& path) {
    try {
        DecodeResult result = ReadTestFile(path);
        if (result.error != DecodeError::None)
            ReportRefusedFile(path, result.error);
        return std::move(result.questions);
    } catch (const CFileException& error) {
        error.ReportError();
        return QuestionArray();
    }
}

bool SaveTestFile(const std::wstring& path, const QuestionArray& questions) {
    try {
        WriteAndReplace(path, questions);
        return true;
    } catch (CFileException& error) {
        // The user knows the test, not the file that was to replace it.
        error.m_strFileName = path;
        error.ReportError();
        return false;
    }
}
