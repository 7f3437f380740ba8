#pragma once
// CFileException: why a file operation failed, from the OS error, with a Czech text that names the
// file by its real path. ReportError (from CException) shows it in a message box.

#include "platform/Exception.h"
#include "platform/FileCause.h"

class CFileException : public CException, public FileCause {
public:
    explicit CFileException(int cause = none, LONG osError = -1,
                            const std::wstring& fileName = std::wstring());

    // The cause an OS error code (GetLastError) stands for.
    static int OsErrorToException(LONG osError);
    [[noreturn]] static void ThrowOsError(LONG osError, const std::wstring& fileName);

    std::wstring GetErrorMessage() const override;

    int m_cause;
    LONG m_lOsError;
    std::wstring m_strFileName;
};
