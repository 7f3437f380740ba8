#include "convert/WindowsFileAccess.h"

#include "convert/FileAccessError.h"
#include "convert/Messages.h"
#include "convert/Utf16.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFile.h"

#include <algorithm>
#include <climits>

namespace {

std::wstring SystemPath(const std::string& path) {
    return AfxFullPath(Utf16::FromUtf8(path));
}

std::string Cause(const CFileException& error) {
    switch (error.m_cause) {
    case CFileException::fileNotFound:
    case CFileException::badPath:
        return Messages::NoSuchFile();
    case CFileException::accessDenied:
        return Messages::AccessDenied();
    case CFileException::sharingViolation:
        return Messages::InUse();
    case CFileException::diskFull:
        return Messages::DiskFull();
    default:
        return Messages::SystemError(std::to_string(error.m_lOsError));
    }
}

[[noreturn]] void ThrowRead(const CFileException& error) {
    throw FileAccessError(Messages::CannotRead(Cause(error)));
}

// Calls a framework file function for the core: its exceptions leave as the core's.
template <typename Call> auto Translated(Call call) {
    try {
        return call();
    } catch (const CFileException& error) {
        ThrowRead(error);
    }
}

// A file being read.
class FileSource : public ByteSource {
public:
    explicit FileSource(const std::wstring& path) {
        // Opening a folder fails as access denied; say what it is instead.
        const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throw FileAccessError(Messages::CannotRead(Messages::IsFolder()));
        CFileException error;
        if (!m_file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error))
            ThrowRead(error);
        m_size = Translated([&] { return m_file.GetLength(); });
    }

    size_t Read(uint8_t* buffer, size_t capacity) override {
        const UINT count = static_cast<UINT>(std::min<size_t>(capacity, UINT_MAX));
        return Translated([&] { return m_file.Read(buffer, count); });
    }
    void Rewind() override {
        Translated([&] { m_file.SeekToBegin(); });
    }
    uint64_t Size() override { return m_size; }

private:
    CFile m_file;
    uint64_t m_size = 0;
};

// The temporary file of a save, as the writers see it.
class TemporarySink : public ByteSink {
public:
    explicit TemporarySink(CTemporaryFile& file) : m_file(file) {}
    void Write(const uint8_t* data, size_t size) override {
        while (size > 0) {
            const UINT count = static_cast<UINT>(std::min<size_t>(size, UINT_MAX));
            m_file.Write(data, count);
            data += count;
            size -= count;
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
    return std::make_unique<FileSource>(SystemPath(path));
}

void WindowsFileAccess::SaveSafely(const std::string& path, bool replace,
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
    } catch (const CFileException& error) {
        const bool taken = error.m_lOsError == ERROR_ALREADY_EXISTS || error.m_lOsError == ERROR_FILE_EXISTS;
        if (!replace && taken)
            throw FileAccessError(Messages::TargetExists());
        throw FileAccessError(Messages::CannotWrite(Cause(error)));
    }
}
