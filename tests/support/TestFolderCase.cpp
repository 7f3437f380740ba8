#include "tests/support/TestFolderCase.h"

#include "platform/Dialog.h"
#include "platform/File.h"
#include "platform/Text.h"

void TestFolderCase::SetUp() {
    RemoveTree(Folder());
}

void TestFolderCase::TearDown() {
    CFile::SetFaultHook(nullptr);
    CDialog::SetTestScript(nullptr);
    RemoveTree(Folder());
}

std::wstring TestFolderCase::Folder() {
    return BesideExe(L"Kvizar");
}

std::wstring TestFolderCase::PathOf(const wchar_t* fileName) {
    return Folder() + L"\\" + fileName;
}

std::wstring TestFileOf(const CString& name) {
    return TestFolderCase::Folder() + L"\\" + ToWide(name) + L".tst";
}

void WriteTest(const CString& name, const Bytes& bytes) {
    CreateDirectoryW(TestFolderCase::Folder().c_str(), nullptr);
    WriteBytes(TestFileOf(name), bytes);
}
