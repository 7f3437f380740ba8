#pragma once
// What the authoring tests need beyond the storage tests' folder helpers: a test's file by its
// name, a file held by another program, and test-file entries written out byte by byte.

#include "tests/storage/TestFolderCase.h"

#include <windows.h>

// The file of the test named name (Windows-1250).
std::wstring TestFileOf(const CString& name);
bool FolderExists(const std::wstring& path);
// Stores a test file as another program would, creating the test folder when needed.
void WriteTest(const CString& name, const Bytes& bytes);

// A file held open by another program that shares it with nobody: no one else can open it, not
// even for reading, until it is released. (Wine as root ignores the read-only attribute.)
class LockedFile {
public:
    explicit LockedFile(const std::wstring& path);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool IsHeld() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// One question entry: the correct index, then each text's length with its NUL and its bytes.
void PutQuestion(Bytes& bytes, int32_t correct, const std::vector<std::string>& texts);
