#include "storage/TestFolder.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "storage/FileExtension.h"

namespace {
const char kExtension[] = "tst";
} // namespace

std::wstring ExeDirectory() {
    const std::wstring path = AfxGetModuleFileName();
    const size_t lastBackslash = path.rfind(L'\\');
    return lastBackslash == std::wstring::npos ? path : path.substr(0, lastBackslash);
}

std::wstring TestFolderPath() {
    return ExeDirectory() + L"\\Kvizar";
}

std::wstring BuildTestPath(const CString& name) {
    return TestFolderPath() + L"\\" + ToWide(name + "." + kExtension);
}

void CreateTestFolder() {
    AfxCreateDirectory(TestFolderPath());
}

bool IsTestFileName(const CString& fileName) {
    return HasExtension(std::string(fileName.GetString()), kExtension);
}
