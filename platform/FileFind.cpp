#include "platform/FileFind.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

CFileFind::~CFileFind() {
    Close();
}

BOOL CFileFind::FindFile(const std::wstring& pattern) {
    Close();
    m_search = FindFirstFileW(ExtendedLengthPath(pattern).c_str(), &m_next);
    m_hasNext = m_search != INVALID_HANDLE_VALUE;
    return m_hasNext;
}

BOOL CFileFind::FindNextFile() {
    if (!m_hasNext)
        return FALSE;
    m_current = m_next;
    // One entry ahead, so the caller learns with this entry whether another follows.
    m_hasNext = FindNextFileW(m_search, &m_next) != FALSE;
    return m_hasNext;
}

void CFileFind::Close() {
    if (m_search != INVALID_HANDLE_VALUE)
        FindClose(m_search);
    m_search = INVALID_HANDLE_VALUE;
    m_hasNext = false;
}

CString CFileFind::GetFileName() const {
    return FromWide(m_current.cFileName);
}

BOOL CFileFind::IsNameInCodePage() const {
    return FitsProgramCodePage(m_current.cFileName);
}

BOOL CFileFind::IsDirectory() const {
    return (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
