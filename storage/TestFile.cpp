#include "storage/TestFile.h"

#include "platform/File.h"
#include "platform/MessageBox.h"
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
CString TestNameOf(const CString& path) {
    const CString fileName = path.Mid(path.ReverseFind('\\') + 1);
    const int dot = fileName.ReverseFind('.');
    return dot < 0 ? fileName : fileName.Left(dot);
}

CString FolderOf(const CString& path) {
    const int lastBackslash = path.ReverseFind('\\');
    return lastBackslash < 0 ? CString(".") : path.Left(lastBackslash);
}

void ReportRefusedFile(const CString& path, DecodeError error) {
    const char* format = error == DecodeError::OutOfMemory
                             ? "Test \"%s\" je příliš velký a nelze jej otevřít."
                             : "Test \"%s\" je poškozený a nelze jej otevřít.";
    CString text;
    text.Format(format, TestNameOf(path).GetString());
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    ShowMessageBox(GetActiveWindow(), text, title, MB_OK | MB_ICONSTOP);
}

// Decodes the file as it is read. Others may read it meanwhile; it is closed again by the time
// this returns or throws CFileException.
DecodeResult ReadTestFile(const CString& path) {
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

// A new file beside the test that receives the test's new content and then takes its place. On
// every other way out it is removed again.
class PendingFile {
public:
    explicit PendingFile(const CString& folder) {
        CFileException error;
        if (!m_file.OpenTemporary(folder, &error))
            throw error;
    }
    ~PendingFile() {
        if (m_placed)
            return;
        m_file.Abort();
        CFile::RemoveQuietly(m_file.GetFilePath());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    CFile& File() { return m_file; }

    void ReplaceTarget(const CString& target) {
        m_file.Close();
        CFile::Replace(m_file.GetFilePath(), target);
        m_placed = true;
    }

private:
    CFile m_file;
    bool m_placed = false;
};

// Writes the test beside path, flushes it and puts it in path's place. Throws CFileException,
// by which time the new file is gone and the old one untouched.
void WriteAndReplace(const CString& path, const QuestionArray& questions) {
    TestFileEncoder encoder(questions.Data(), questions.Count());
    // Sized from the longest the file can be: the exact size would take a pass over every text.
    const ULONGLONG longestEntry = 4 + kTextFieldCount * (4 + kTextFieldSize);
    const UINT chunkSize = ChunkSizeFor(4 + longestEntry * std::max(questions.Count(), 0));
    std::unique_ptr<uint8_t[]> chunk(new uint8_t[chunkSize]);
    PendingFile pending(FolderOf(path));
    while (const size_t got = encoder.Next(chunk.get(), chunkSize))
        pending.File().Write(chunk.get(), static_cast<UINT>(got));
    pending.File().Flush();
    pending.ReplaceTarget(path);
}
} // namespace

QuestionArray LoadTestFile(const CString& path) {
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

bool SaveTestFile(const CString& path, const QuestionArray& questions) {
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
