#pragma once
// CFile: a file opened through the W file functions, its name given in program text
// (Windows-1250). Read and Write move exact byte counts and throw CFileException on failure;
// destroying the object closes a file that is still open.

#include "platform/FileException.h"

#include <functional>

// The operations a test can make fail: each asks the fault hook first.
enum class FileOperation { Open, Read, Write, Flush, Close, Replace };

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
    BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);
    // Creates a file of a new, unique name in folder and opens it for writing, unshared; its name
    // is then GetFilePath(). FALSE as Open.
    BOOL OpenTemporary(const char* folder, CFileException* error = nullptr);

    // Reads up to count bytes; fewer only at the end of the file.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    // Has the system put everything written so far on the disk.
    void Flush();
    ULONGLONG GetLength() const;
    void Close();
    // Closes without throwing, on the way out of a failure.
    void Abort();

    const CString& GetFilePath() const { return m_strFileName; }

    // Puts source in target's place in one step, written through to the disk; target need not
    // exist. A virus scanner or indexer that holds the target for a moment is waited out briefly.
    static void Replace(const char* source, const char* target);
    // Deletes a file, reporting nothing: it tidies up after a failure that is reported already.
    static BOOL RemoveQuietly(const char* fileName) noexcept;

    // Test seam: with a hook set, each operation asks it first; a non-zero OS error code makes the
    // operation fail as if the system had returned that error. Pass nullptr to clear.
    using FaultHook = std::function<DWORD(FileOperation operation)>;
    static void SetFaultHook(FaultHook hook);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

private:
    BOOL Fail(DWORD osError, CFileException* error);

    CString m_strFileName;
};
