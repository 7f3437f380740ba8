// Opens the run picker over a folder of many small tests and sets it against the plainest listing
// of the same folder: FindFirstFileW and FindNextFileW alone. The picker is timed from DoModal
// until its list is filled and the dialog initialised, then cancelled.
//   picker_bench [tests] [runs]      (defaults: 10000 tests, 5 runs; medians are shown)
// The tests are made once in the folder beside the exe and reused; the folder is brought to
// exactly that many. Exits 1 when the picker shows a message, lists another number of tests, or a
// test cannot be made.

#include "bench/BenchSupport.h"
#include "platform/FileFind.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "storage/RunSelectDlg.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
CString TestName(int index) {
    CString name;
    name.Format("bench%05d", index);
    return name;
}

// The index of a file this benchmark made for a folder of count tests, else -1.
int IndexOf(const CString& fileName, int count) {
    int index = -1;
    if (std::sscanf(fileName, "bench%d", &index) != 1 || index < 0 || index >= count)
        return -1;
    return fileName == TestName(index) + ".tst" ? index : -1;
}

QuestionArray OneQuestion() {
    QuestionArray test = QuestionArray::AllocateFresh(1);
    const char* texts[kTextFieldCount] = {"Kolik je 2 + 2?", "3", "4", "5", "22"};
    for (int field = 0; field < kTextFieldCount; ++field)
        std::strcpy(test[0].text[field], texts[field]);
    test[0].correct = 1;
    return test;
}

std::vector<char> ReadWhole(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<char> bytes(file == INVALID_HANDLE_VALUE ? 0 : GetFileSize(file, nullptr));
    DWORD read = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    ReadFile(file, bytes.data(), bytes.size(), &read, nullptr) && read == bytes.size() &&
                    !bytes.empty();
    CloseHandle(file);
    Require(ok, "the model test could not be read back");
    return bytes;
}

// Plain writes: CopyFileW takes several times as long under Wine, and there are thousands.
void WriteWhole(const std::wstring& path, const std::vector<char>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.data(), bytes.size(), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    if (!ok)
        Fail("a test could not be made (error %lu)", GetLastError());
}

// Leaves exactly the tests bench00000 .. bench<count - 1> in the test folder: anything else goes,
// and what is missing is copied from one test saved by the program's own code.
void PrepareFolder(int count) {
    CreateTestFolder();
    std::vector<bool> present(count, false);
    CFileFind finder;
    BOOL working = finder.FindFile(TestFolderPath() + L"\\*");
    while (working) {
        working = finder.FindNextFile();
        if (finder.IsDirectory())
            continue;
        const int index = IndexOf(finder.GetFileName(), count);
        if (index >= 0)
            present[index] = true;
        else
            DeleteFileW((TestFolderPath() + L"\\" + ToWide(finder.GetFileName())).c_str());
    }
    const std::wstring model = BuildTestPath(TestName(0));
    if (!present[0])
        Require(SaveTestFile(model, OneQuestion()), "the model test could not be saved");
    const std::vector<char> bytes = ReadWhole(model);
    for (int i = 1; i < count; ++i)
        if (!present[i])
            WriteWhole(BuildTestPath(TestName(i)), bytes);
}

// Seconds from DoModal until the picker's list is filled and the dialog initialised.
double OpenPicker(int count) {
    double initialisedAt = 0;
    int listed = -1;
    CDialog::SetTestScript([&](CDialog& dialog) {
        initialisedAt = Seconds();
        CListBox list;
        list.Attach(dialog.GetDlgItem(IDC_TEST_LIST));
        listed = list.GetCount();
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    });
    const double start = Seconds();
    CRunSelectDlg picker;
    const INT_PTR result = picker.DoModal();
    CDialog::SetTestScript(nullptr);
    Require(result == IDCANCEL && initialisedAt > 0, "the picker did not open");
    if (listed != count)
        Fail("the picker listed %d tests, not %d", listed, count);
    return initialisedAt - start;
}

// Seconds to enumerate the same folder with nothing else done.
double ListFolder(int count) {
    const std::wstring pattern = TestFolderPath() + L"\\*";
    int files = 0;
    const double start = Seconds();
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ++files;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    const double elapsed = Seconds() - start;
    if (files != count)
        Fail("the folder holds %d files, not %d", files, count);
    return elapsed;
}
} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    Require(count > 0, "the number of tests must be at least 1");
    CWinApp app; // as in the program: the dialogs find the instance through it
    // The folder is not empty, so any message box is a fault; nobody is there to answer it.
    SetMessageBoxHook([](HWND, const std::wstring& text, const CString&, UINT) -> int {
        Fail("a message box: \"%ls\"", text.c_str());
    });

    const double prepareStart = Seconds();
    PrepareFolder(count);
    const double prepared = Seconds() - prepareStart;

    std::vector<double> opens, listings;
    for (int run = 0; run < runs; ++run) {
        opens.push_back(OpenPicker(count));
        listings.push_back(ListFolder(count));
    }
    std::printf("picker_bench: %d tests in the folder (made or checked in %.1f s), median of %d run(s)\n",
                count, prepared, runs);
    PrintTimes("picker open", opens);
    PrintTimes("folder listing", listings);
    PrintFigure("picker open / folder listing", Median(opens) / Median(listings), 0);
    return 0;
}
