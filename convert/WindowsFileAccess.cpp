#include "convert/WindowsFileAccess.h"

#include "platform/Text.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFile.h"

#include <algorithm>
#include <climits>

namespace {

std::wstring SystemPath(const std::string& path) {
    return AfxFullPath(WideFromUtf8(path));
}

// The framework's failure as the core's, naming the file as the user named it.
FileAccessError Translated(CFileException error, const std::string& path) {
    error.m_strFileName = WideFromUtf8(path);
    return FileAccessError(Utf8FromWide(error.GetErrorMessage()));
}

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path) : m_path(path) {
        CFileException error;
        if (!m_file.Open(SystemPath(path), CFile::modeRead | CFile::shareDenyWrite, &error))
            throw Translated(error, path);
        try {
            m_size = m_file.GetLength();
        } catch (const CFileException& lengthError) {
            throw Translated(lengthError, path);
        }
    }

    size_t Read(uint8_t* buffer, size_t capacity) override {
        try {
            return m_file.Read(buffer, static_cast<UINT>(std::min<size_t>(capacity, UINT_MAX)));
        } catch (const CFileException& error) {
            throw Translated(error, m_path);
        }
    }
    void Rewind() override {
        try {
            m_file.SeekToBegin();
        } catch (const CFileException& error) {
            throw Translated(error, m_path);
        }
    }
    uint64_t Size() override { return m_size; }

private:
    std::string m_path;
    CFile m_file;
    uint64_t m_size = 0;
};

// The temporary file of a save, as the writers see it; its failures leave as CFileException.
class TemporarySink : public ByteSink {
public:
    explicit TemporarySink(CTemporaryFile& file) : m_file(file) {}
    void Write(const uint8_t* data, size_t size) override {
        for (UINT count; size > 0; data += count, size -= count) {
            count = static_cast<UINT>(std::min<size_t>(size, UINT_MAX));
            m_file.Write(data, count);
        }
    }

private:
    CTemporaryFile& m_file;
};

} // namespace

bool WindowsFileAccess::Exists(const std::string& path) {
    return GetFileAttributesW(ExtendedLengthPath(SystemPath(path)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::unique_ptr<ByteSource> WindowsFileAccess::OpenForReading(const std::string& path) {
    return std::make_unique<FileSource>(path);
}

bool WindowsFileAccess::SaveSafely(const std::string& path, bool replace,
                                   const std::function<void(ByteSink&)>& write) {
    try {
        CTemporaryFile file;
        file.Create(SystemPath(path));
        TemporarySink sink(file);
        write(sink);
        if (replace)
            file.Commit();
        else
            file.CommitNew();
        return true;
    } catch (const CFileException& error) {
        const bool taken = error.m_lOsError == ERROR_ALREADY_EXISTS || error.m_lOsError == ERROR_FILE_EXISTS;
        if (!replace && taken)
            return false;
        throw Translated(error, path);
    }
}
