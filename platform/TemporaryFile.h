#pragma once
// CTemporaryFile: a new file beside a target that receives the target's new content and then
// takes its place in one step. On every other way out it is removed again, so a failed save
// leaves the target as it was and nothing beside it.

#include "platform/File.h"

class CTemporaryFile : public CFile {
public:
    CTemporaryFile() = default;
    ~CTemporaryFile();

    // Creates the file, open for writing and unshared, under a new name of its own in the target's
    // folder. Its name never ends in the target's extension, so nothing takes it for a target.
    // Throws CFileException.
    void Create(const std::wstring& target);
    // True when a file of this path and a temporary file beside it fit what the system holds: a
    // name of at most 255 characters and a path within the longest extended-length path.
    static bool CanReplace(const std::wstring& target);

    // Puts everything written on the disk, gives the file the target's attributes (a hidden file
    // stays hidden) and puts it in the target's place. Throws CFileException.
    void Commit();
    // Puts everything written on the disk and in the target's place only if no file has taken
    // that name meanwhile; one that has stays as it is. Throws CFileException
    // (ERROR_ALREADY_EXISTS when the name is taken).
    void CommitNew();

private:
    void TakeTargetAttributes();

    std::wstring m_target;
    bool m_committed = false;
};
