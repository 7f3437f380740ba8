#include "tests/authoring/TestFolderFiles.h"

#include "platform/Text.h"
#include "storage/TestFolder.h"

std::wstring TestFileOf(const CString& name) {
    return ToWide(BuildTestPath(name));
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteTest(const CString& name, const Bytes& bytes) {
    CreateDirectoryW(ToWide(TestFolderPath()).c_str(), nullptr);
    WriteBytes(TestFileOf(name), bytes);
}

LockedFile::LockedFile(const std::wstring& path)
    : m_handle(
          CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

LockedFile::~LockedFile() {
    if (IsHeld())
        CloseHandle(m_handle);
}

void PutQuestion(Bytes& bytes, int32_t correct, const std::vector<std::string>& texts) {
    PutInt(bytes, correct);
    for (const std::string& text : texts)
        PutText(bytes, text);
}
