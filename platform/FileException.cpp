#include "platform/FileException.h"

#include "platform/Text.h"

CFileException::CFileException(int cause, LONG osError, const std::wstring& fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

int CFileException::OsErrorToException(LONG osError) {
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return accessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return sharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, const std::wstring& fileName) {
    throw CFileException(OsErrorToException(osError), osError, fileName);
}

std::wstring CFileException::GetErrorMessage() const {
    // The texts are program text; the path goes in as it is, into the UTF-16 text.
    std::wstring text = ToWide(Describe(m_cause, "%s").c_str());
    text.replace(text.find(L"%s"), 2, m_strFileName);
    return text;
}
