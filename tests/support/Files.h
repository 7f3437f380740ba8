#pragma once
// Files as the tests see them, through Win32 alone and wide paths, so that a test can also make
// names that Windows-1250 cannot hold and paths longer than MAX_PATH.

#include "tests/support/TestFileSamples.h"

#include <windows.h>

#include <string>
#include <vector>

// A name beside this exe, found without the program's code.
std::wstring BesideExe(const wchar_t* name);
bool Exists(const std::wstring& path);
// A file's attributes (FILE_ATTRIBUTE_...), INVALID_FILE_ATTRIBUTES when it is missing.
DWORD AttributesOf(const std::wstring& path);

// A whole file; a file that cannot be opened fails the test.
Bytes ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const Bytes& bytes);
// The names in a folder, sorted; empty when it is missing.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Removes a file or a folder with everything in it; what cannot be removed fails the test.
void RemoveTree(const std::wstring& path);

// A file error's text (format in Windows-1250, "%s" for the path): the path goes in as it is,
// every character of it.
std::wstring Formatted(const char* format, const std::wstring& path);

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
