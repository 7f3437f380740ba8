#pragma once
// CFile: a file opened through the W file functions. Paths are UTF-16 as the system gives them,
// never program text: a folder may hold any character. Read and Write move exact byte counts and
// throw CFileException on failure; destroying the object closes a file that is still open.

#include "platform/FileException.h"

#include <functional>
#include <string>

// The operations a test can make fail: each asks the fault hook first.
enum class FileOperation { Open, Read, Write, Flush, Close, Attributes, Replace };

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        shareDenyWrite = 0x0020, // others may read meanwhile; without it nobody else may open the file
        modeCreate = 0x1000,     // creates a missing file, truncates an existing one
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened, with the cause in *error when one is given.
    BOOL Open(const std::wstring& fileName, UINT openFlags, CFileException* error = nullptr);

    // Reads up to count bytes; fewer only at the end of the file.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    // Has the system put everything written so far on the disk.
    void Flush();
    ULONGLONG GetLength() const;
    // Moves to the first byte, to read the file again.
    void SeekToBegin();
    void Close();
    // Closes without throwing, on the way out of a failure.
    void Abort();

    const std::wstring& GetFilePath() const { return m_strFileName; }

    // Puts source in target's place in one step, written through to the disk; target need not
    // exist. A virus scanner or indexer that holds the target for a moment is waited out briefly.
    static void Replace(const std::wstring& source, const std::wstring& target);
    // The same where no file is at target yet: one that is there stays as it is, and this throws
    // CFileException (ERROR_ALREADY_EXISTS).
    static void Rename(const std::wstring& source, const std::wstring& target);
    // Deletes a file, reporting nothing: it tidies up after a failure that is reported already.
    static BOOL RemoveQuietly(const std::wstring& fileName) noexcept;

    // Test seam: with a hook set, each operation asks it first; a non-zero OS error code makes the
    // operation fail as if the system had returned that error. Pass nullptr to clear.
    using FaultHook = std::function<DWORD(FileOperation operation)>;
    static void SetFaultHook(FaultHook hook);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    // Opens with the system's own flags; for the temporary file, which must be new.
    BOOL OpenHandle(const std::wstring& fileName, DWORD access, DWORD share, DWORD creation,
                    CFileException* error);
    // Asks the fault hook about an operation; non-zero is the error to fail with.
    static DWORD InjectedFault(FileOperation operation);

private:
    BOOL Fail(DWORD osError, CFileException* error);
    // MoveFileExW with flags, waiting out a scanner that holds either file for a moment.
    static void Move(const std::wstring& source, const std::wstring& target, DWORD flags);

    std::wstring m_strFileName;
};
