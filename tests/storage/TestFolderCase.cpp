#include "tests/storage/TestFolderCase.h"

#include "platform/Dialog.h"
#include "platform/File.h"
#include "platform/Text.h"
#include "storage/TestFolder.h"

#include <windows.h>

#include <algorithm>

void TestFolderCase::SetUp() {
    RemoveTree(Folder());
}

void TestFolderCase::TearDown() {
    CFile::SetFaultHook(nullptr);
    CDialog::SetTestScript(nullptr);
    RemoveTree(Folder());
}

std::wstring TestFolderCase::Folder() {
    return ToWide(TestFolderPath());
}

std::wstring TestFolderCase::PathOf(const wchar_t* fileName) {
    return Folder() + L"\\" + fileName;
}

Bytes ReadBytes(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "cannot create a file";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
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
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        EXPECT_TRUE(DeleteFileW(path.c_str())) << "a file of the test folder cannot be removed";
        return;
    }
    for (const std::wstring& name : FolderEntries(path))
        RemoveTree(path + L"\\" + name);
    EXPECT_TRUE(RemoveDirectoryW(path.c_str())) << "the test folder cannot be removed";
}

::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const CString& text, const char* title,
                                  UINT type) {
    if (boxes.Shown().size() != 1)
        return ::testing::AssertionFailure() << boxes.Shown().size() << " message boxes instead of one";
    const ShownBox& box = boxes.Shown()[0];
    if (box.text != text || box.title != title || box.type != type)
        return ::testing::AssertionFailure() << "box \"" << box.text.GetString() << "\", \""
                                             << box.title.GetString() << "\", type " << box.type;
    return ::testing::AssertionSuccess();
}
