#include "tests/support/Files.h"

#include "platform/Text.h"

#include <algorithm>

namespace {
// Paths beyond MAX_PATH reach the system only in their extended-length form.
std::wstring Long(const std::wstring& path) {
    return path.size() > 2 && path[1] == L':' ? L"\\\\?\\" + path : path;
}
} // namespace

std::wstring Formatted(const char* format, const std::wstring& path) {
    std::wstring text = ToWide(format);
    return text.replace(text.find(L"%s"), 2, path);
}

std::wstring BesideExe(const wchar_t* name) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring path(exe);
    return path.substr(0, path.rfind(L'\\') + 1) + name;
}

bool Exists(const std::wstring& path) {
    return AttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

DWORD AttributesOf(const std::wstring& path) {
    return GetFileAttributesW(Long(path).c_str());
}

Bytes ReadBytes(const std::wstring& path) {
    HANDLE file =
        CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot open a file to read it back";
        return Bytes();
    }
    Bytes bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteBytes(const std::wstring& path, const Bytes& bytes) {
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "cannot create a file";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Long(folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(Long(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        EXPECT_TRUE(DeleteFileW(Long(path).c_str())) << "a file cannot be removed";
        return;
    }
    for (const std::wstring& name : FolderEntries(path))
        RemoveTree(path + L"\\" + name);
    EXPECT_TRUE(RemoveDirectoryW(Long(path).c_str())) << "a folder cannot be removed";
}

LockedFile::LockedFile(const std::wstring& path)
    : m_handle(CreateFileW(Long(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr)) {}

LockedFile::~LockedFile() {
    if (IsHeld())
        CloseHandle(m_handle);
}
