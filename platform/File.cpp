#include "platform/File.h"

#include "platform/FileSystem.h"

#include <new>

namespace {
// Tries of a replacement that meets a held target, and the pause between them: half a second
// in all, enough for a scanner, short enough for the user.
const int kReplaceAttempts = 10;
const DWORD kReplacePauseMs = 50;

CFile::FaultHook& Hook() {
    static CFile::FaultHook hook; // test seam only; empty in the program
    return hook;
}

// The error of the operation just tried: an injected one, else the system's.
DWORD ErrorOf(BOOL succeeded, DWORD injected) {
    if (injected != 0)
        return injected;
    return succeeded ? 0 : GetLastError();
}
} // namespace

void CFile::SetFaultHook(FaultHook hook) {
    Hook() = std::move(hook);
}

DWORD CFile::InjectedFault(FileOperation operation) {
    return Hook() ? Hook()(operation) : 0;
}

CFile::~CFile() {
    Abort();
}

BOOL CFile::Fail(DWORD osError, CFileException* error) {
    if (error) {
        error->m_cause = CFileException::OsErrorToException(static_cast<LONG>(osError));
        error->m_lOsError = static_cast<LONG>(osError);
        error->m_strFileName = m_strFileName;
    }
    return FALSE;
}

BOOL CFile::Open(const std::wstring& fileName, UINT openFlags, CFileException* error) {
    const DWORD access = (openFlags & modeWrite) ? GENERIC_WRITE : GENERIC_READ;
    const DWORD share = (openFlags & shareDenyWrite) ? FILE_SHARE_READ : 0;
    const DWORD creation = (openFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    return OpenHandle(fileName, access, share, creation, error);
}

BOOL CFile::OpenHandle(const std::wstring& fileName, DWORD access, DWORD share, DWORD creation,
                       CFileException* error) {
    Abort();
    m_strFileName = fileName;
    if (const DWORD injected = InjectedFault(FileOperation::Open))
        return Fail(injected, error);
    m_hFile = CreateFileW(ExtendedLengthPath(fileName).c_str(), access, share, nullptr, creation,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile == INVALID_HANDLE_VALUE ? Fail(GetLastError(), error) : TRUE;
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    const DWORD injected = InjectedFault(FileOperation::Read);
    const BOOL succeeded = injected == 0 && ReadFile(m_hFile, buffer, count, &read, nullptr);
    if (const DWORD osError = ErrorOf(succeeded, injected))
        CFileException::ThrowOsError(static_cast<LONG>(osError), m_strFileName);
    return read;
}

void CFile::Write(const void* buffer, UINT count) {
    DWORD written = 0;
    const DWORD injected = InjectedFault(FileOperation::Write);
    const BOOL succeeded = injected == 0 && WriteFile(m_hFile, buffer, count, &written, nullptr);
    if (const DWORD osError = ErrorOf(succeeded, injected))
        CFileException::ThrowOsError(static_cast<LONG>(osError), m_strFileName);
    // A short write without an error is a full disk.
    if (written != count)
        CFileException::ThrowOsError(ERROR_DISK_FULL, m_strFileName);
}

void CFile::Flush() {
    const DWORD injected = InjectedFault(FileOperation::Flush);
    const BOOL succeeded = injected == 0 && FlushFileBuffers(m_hFile);
    if (const DWORD osError = ErrorOf(succeeded, injected))
        CFileException::ThrowOsError(static_cast<LONG>(osError), m_strFileName);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SeekToBegin() {
    const LARGE_INTEGER start = {};
    if (!SetFilePointerEx(m_hFile, start, nullptr, FILE_BEGIN))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

void CFile::Close() {
    // The handle goes whatever happens: a failed close must not leave the file held.
    const DWORD injected = InjectedFault(FileOperation::Close);
    const BOOL succeeded = CloseHandle(m_hFile);
    const DWORD osError = ErrorOf(succeeded, injected);
    m_hFile = INVALID_HANDLE_VALUE;
    if (osError != 0)
        CFileException::ThrowOsError(static_cast<LONG>(osError), m_strFileName);
}

void CFile::Abort() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

void CFile::Replace(const std::wstring& source, const std::wstring& target) {
    Move(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void CFile::Rename(const std::wstring& source, const std::wstring& target) {
    Move(source, target, MOVEFILE_WRITE_THROUGH);
}

void CFile::Move(const std::wstring& source, const std::wstring& target, DWORD flags) {
    const std::wstring from = ExtendedLengthPath(source);
    const std::wstring to = ExtendedLengthPath(target);
    for (int attempt = 1;; ++attempt) {
        const DWORD injected = InjectedFault(FileOperation::Replace);
        const BOOL succeeded = injected == 0 && MoveFileExW(from.c_str(), to.c_str(), flags);
        const DWORD osError = ErrorOf(succeeded, injected);
        if (osError == 0)
            return;
        const bool held = osError == ERROR_ACCESS_DENIED || osError == ERROR_SHARING_VIOLATION;
        if (!held || attempt == kReplaceAttempts)
            CFileException::ThrowOsError(static_cast<LONG>(osError), target);
        Sleep(kReplacePauseMs);
    }
}

BOOL CFile::RemoveQuietly(const std::wstring& fileName) noexcept {
    try {
        const std::wstring path = ExtendedLengthPath(fileName);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); // a read-only file is not deleted
        return DeleteFileW(path.c_str());
    } catch (const std::bad_alloc&) {
        return FALSE; // no memory for the longer name
    }
}
