#include "storage/TestFolder.h"

#include "platform/FileFind.h"
#include "platform/FileSystem.h"
#include "platform/ListBox.h"
#include "platform/Text.h"

#include <cctype>

namespace {
const char kExtension[] = ".tst";
const int kExtensionLength = 4;

// A test file's name: it ends in ".tst", in any case. Matching here rather than by the wildcard
// keeps out names that "*.tst" reaches only through their short 8.3 form ("a.tstx").
bool HasTestExtension(const CString& fileName) {
    const int start = fileName.GetLength() - kExtensionLength;
    if (start < 0)
        return false;
    for (int i = 0; i < kExtensionLength; ++i)
        if (std::tolower(static_cast<unsigned char>(fileName[start + i])) != kExtension[i])
            return false;
    return true;
}
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
    return TestFolderPath() + L"\\" + ToWide(name + kExtension);
}

void CreateTestFolder() {
    AfxCreateDirectory(TestFolderPath());
}

int FillTestList(CListBox& list) {
    CFileFind finder;
    BOOL working = finder.FindFile(TestFolderPath() + L"\\*");
    while (working) {
        working = finder.FindNextFile();
        // A directory named like a test, or a name this program could not open again, is no test.
        if (finder.IsDirectory() || !finder.IsNameInCodePage())
            continue;
        const CString fileName = finder.GetFileName();
        if (HasTestExtension(fileName))
            list.AddString(fileName.Left(fileName.GetLength() - kExtensionLength));
    }
    return list.GetCount();
}
