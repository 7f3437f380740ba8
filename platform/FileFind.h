#pragma once
// CFileFind: the entries of a folder that match a wildcard pattern (a UTF-16 path), with their
// long names in program text. Used the framework's way:
//     BOOL working = finder.FindFile(pattern);
//     while (working) { working = finder.FindNextFile(); ... finder.GetFileName() ... }

#include "platform/String.h"

#include <windows.h>

#include <string>

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; FALSE when nothing matches (or the folder is missing).
    BOOL FindFile(const std::wstring& pattern);
    // Moves to the next entry; FALSE when that entry is the last one.
    BOOL FindNextFile();
    void Close();

    // The current entry's name; characters that Windows-1250 cannot hold become '?'.
    CString GetFileName() const;
    // FALSE when the name holds characters that Windows-1250 cannot: program text cannot name
    // that file, so it could not be opened again.
    BOOL IsNameInCodePage() const;
    BOOL IsDirectory() const;

private:
    HANDLE m_search = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW m_next = {};
    WIN32_FIND_DATAW m_current = {};
    bool m_hasNext = false;
};
