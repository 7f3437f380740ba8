#include "storage/StoredTest.h"

#include "platform/FileException.h"
#include "platform/MessageBox.h"
#include "platform/ProgramMessages.h"
#include "platform/Text.h"
#include "platform/Wnd.h"
#include "res/resource.h"
#include "storage/FileExtension.h"
#include "storage/TestFile.h"

#include <utility>

namespace {
// The test's name as the user knows it: the file name without its folder and ".tst".
CString TestNameOf(const std::wstring& path) {
    const std::wstring fileName = path.substr(path.rfind(L'\\') + 1);
    return FromWide(fileName.substr(0, ExtensionDot(fileName)).c_str());
}

void ReportRefusedFile(const std::wstring& path, DecodeError error) {
    const char* format = error == DecodeError::OutOfMemory ? ProgramMessages::kTestTooLarge.text
                                                           : ProgramMessages::kTestDamaged.text;
    CString text;
    text.Format(format, TestNameOf(path).GetString());
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    ShowMessageBox(CWnd::GetSafeOwner(), text, title, MB_OK | MB_ICONSTOP);
}
} // namespace

QuestionArray LoadTestFile(const std::wstring& path) {
    try {
        DecodeResult result = ReadTestFile(path);
        if (result.error != DecodeError::None)
            ReportRefusedFile(path, result.error);
        return std::move(result.questions);
    } catch (const CFileException& error) {
        error.ReportError();
        return QuestionArray();
    }
}

bool SaveTestFile(const std::wstring& path, const QuestionArray& questions) {
    try {
        WriteTestFile(path, questions);
        return true;
    } catch (CFileException& error) {
        // The user knows the test, not the file that was to replace it.
        error.m_strFileName = path;
        error.ReportError();
        return false;
    }
}
