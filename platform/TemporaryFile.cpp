#include "platform/TemporaryFile.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <cwchar>

namespace {
// New names to try before giving up: another process may have taken one a moment ago.
const int kNameAttempts = 100;
// The longest name of one file, and the longest path the W file functions take, its NUL included.
const size_t kLongestName = 255;
const size_t kLongestPath = 32767;

// What a save carries over from the file it replaces. The archive bit is not among them: the
// content has changed, so a backup must take the file again.
const DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The folder of a path, without its backslash; "." for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    const size_t lastBackslash = path.rfind(L'\\');
    return lastBackslash == std::wstring::npos ? std::wstring(L".") : path.substr(0, lastBackslash);
}

std::wstring NameOf(const std::wstring& path) {
    const size_t lastBackslash = path.rfind(L'\\');
    return lastBackslash == std::wstring::npos ? path : path.substr(lastBackslash + 1);
}

// "~kvz1a2b3c4d.tmp": short whatever the target's name, so a folder that holds the target holds it.
std::wstring TemporaryName(DWORD number) {
    wchar_t name[32];
    std::swprintf(name, sizeof name / sizeof name[0], L"~kvz%08lx.tmp", static_cast<unsigned long>(number));
    return name;
}
} // namespace

CTemporaryFile::~CTemporaryFile() {
    if (m_committed || m_target.empty())
        return; // in the target's place, or never created
    Abort();
    RemoveQuietly(GetFilePath());
}

void CTemporaryFile::Create(const std::wstring& target) {
    const std::wstring folder = FolderOf(target);
    DWORD number = GetTickCount() ^ (GetCurrentProcessId() << 16);
    CFileException error;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt, ++number) {
        if (OpenHandle(folder + L"\\" + TemporaryName(number), GENERIC_WRITE, 0, CREATE_NEW, &error)) {
            m_target = target;
            return;
        }
        if (error.m_lOsError != ERROR_FILE_EXISTS && error.m_lOsError != ERROR_ALREADY_EXISTS)
            break;
    }
    throw error;
}

bool CTemporaryFile::CanReplace(const std::wstring& target) {
    const size_t nameLength = NameOf(target).size();
    const size_t longestName = std::max(nameLength, TemporaryName(0).size());
    return nameLength <= kLongestName &&
           ExtendedLengthPath(FolderOf(target)).size() + 1 + longestName < kLongestPath;
}

void CTemporaryFile::Commit() {
    Flush();
    Close();
    TakeTargetAttributes();
    Replace(GetFilePath(), m_target);
    m_committed = true;
}

void CTemporaryFile::CommitNew() {
    Flush();
    Close();
    Rename(GetFilePath(), m_target);
    m_committed = true;
}

void CTemporaryFile::TakeTargetAttributes() {
    const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(m_target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return; // a new target: the file keeps the attributes of a new file
    const DWORD injected = InjectedFault(FileOperation::Attributes);
    if (injected == 0 && SetFileAttributesW(ExtendedLengthPath(GetFilePath()).c_str(),
                                            (attributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE))
        return;
    CFileException::ThrowOsError(static_cast<LONG>(injected ? injected : GetLastError()), GetFilePath());
}
