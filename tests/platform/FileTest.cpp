// The framework's files over real files in a scratch folder beside the test exe: open modes and
// sharing, exact reads, the causes and texts of file errors, temporary files and their replacing,
// in folders whose names Windows-1250 cannot hold and beyond MAX_PATH. Listing, write failures and
// the retried replace are tested through the storage that uses them.

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFile.h"
#include "platform/Text.h"
#include "tests/support/Files.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Cyrillic and ñ: neither Windows-1250 nor 1252 holds all of them.
const wchar_t kForeignFolder[] = L"Soubory-\u0422\u0435\u0441\u0442-Mu\u00f1oz";

class File : public ::testing::Test {
protected:
    void SetUp() override {
        folder = BesideExe(kForeignFolder);
        RemoveTree(folder);
        ASSERT_TRUE(AfxCreateDirectory(folder));
    }
    void TearDown() override {
        CFile::SetFaultHook(nullptr);
        RemoveTree(folder);
    }

    // Writes text to a new file in the folder and returns its path.
    std::wstring Make(const std::wstring& name, const std::string& text) {
        const std::wstring path = folder + L"\\" + name;
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        file.Write(text.data(), static_cast<UINT>(text.size()));
        return path;
    }

    std::string Content(const std::wstring& path) {
        CFile file;
        if (!file.Open(path, CFile::modeRead))
            return "(cannot open)";
        std::string text(static_cast<size_t>(file.GetLength()), '\0');
        EXPECT_EQ(text.size(), file.Read(&text[0], static_cast<UINT>(text.size())));
        return text;
    }

    // A folder inside the scratch folder whose files' paths are longer than MAX_PATH.
    std::wstring DeepFolder() {
        std::wstring deep = folder;
        while (deep.size() < MAX_PATH) {
            deep += L"\\" + std::wstring(60, L'd');
            EXPECT_TRUE(AfxCreateDirectory(deep));
        }
        return deep;
    }

    std::wstring folder;
};

bool OpensFor(const std::wstring& path, DWORD access) {
    HANDLE other = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    CloseHandle(other);
    return other != INVALID_HANDLE_VALUE;
}

TEST_F(File, CreateTruncatesAndReadsStopAtTheEnd) {
    const std::wstring path =
        Make(L"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd.tst", "dlouhý starý obsah");
    Make(L"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd.tst", "nový");
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    EXPECT_EQ(4u, file.GetLength());
    char buffer[16] = {};
    EXPECT_EQ(4u, file.Read(buffer, sizeof buffer));
    EXPECT_STREQ("nový", buffer);
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    file.Close();
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.m_hFile);
}

TEST_F(File, SharingDecidesWhoElseMayOpenTheFile) {
    const std::wstring path = Make(L"sd\u00edlen\u00ed.tst", "x");
    {
        CFile reader;
        ASSERT_TRUE(reader.Open(path, CFile::modeRead | CFile::shareDenyWrite));
        EXPECT_TRUE(OpensFor(path, GENERIC_READ));
        EXPECT_FALSE(OpensFor(path, GENERIC_WRITE));
    }
    {
        CFile exclusive;
        ASSERT_TRUE(exclusive.Open(path, CFile::modeRead));
        EXPECT_FALSE(OpensFor(path, GENERIC_READ));
    }
    EXPECT_TRUE(OpensFor(path, GENERIC_WRITE)); // the destructors closed both
}

TEST_F(File, FailuresNameTheFileByItsRealPathAndTheirCauseInCzech) {
    const std::wstring missing = folder + L"\\chyb\u00ed.tst";
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    EXPECT_EQ(missing, error.m_strFileName);

    const struct {
        LONG osError;
        const wchar_t* text;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, L"Soubor C:\\\u0422\\a.tst nebyl nalezen."},
        {ERROR_PATH_NOT_FOUND, L"Cesta k souboru C:\\\u0422\\a.tst je neplatn\u00e1."},
        {ERROR_INVALID_NAME, L"Cesta k souboru C:\\\u0422\\a.tst je neplatn\u00e1."},
        {ERROR_ACCESS_DENIED, L"P\u0159\u00edstup k souboru C:\\\u0422\\a.tst byl odep\u0159en."},
        {ERROR_WRITE_PROTECT, L"P\u0159\u00edstup k souboru C:\\\u0422\\a.tst byl odep\u0159en."},
        {ERROR_SHARING_VIOLATION,
         L"Soubor C:\\\u0422\\a.tst pr\u00e1v\u011b pou\u017e\u00edv\u00e1 jin\u00fd program."},
        {ERROR_LOCK_VIOLATION,
         L"Soubor C:\\\u0422\\a.tst pr\u00e1v\u011b pou\u017e\u00edv\u00e1 jin\u00fd program."},
        {ERROR_DISK_FULL, L"P\u0159i z\u00e1pisu souboru C:\\\u0422\\a.tst do\u0161lo m\u00edsto na disku."},
        {ERROR_HANDLE_DISK_FULL,
         L"P\u0159i z\u00e1pisu souboru C:\\\u0422\\a.tst do\u0161lo m\u00edsto na disku."},
        {ERROR_CRC, L"P\u0159i pr\u00e1ci se souborem C:\\\u0422\\a.tst do\u0161lo k chyb\u011b."},
    };
    for (const auto& c : cases) {
        try {
            CFileException::ThrowOsError(c.osError, L"C:\\\u0422\\a.tst");
        } catch (const CFileException& thrown) {
            EXPECT_EQ(std::wstring(c.text), thrown.GetErrorMessage()) << "error " << c.osError;
        }
    }

    // The box shows the path as it is, not as Windows-1250 would spell it.
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    error.ReportError();
    EXPECT_TRUE(
        OneBox(boxes, L"Soubor " + missing + L" nebyl nalezen.", "Kvizar 2004", MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(File, ATemporaryFileIsNewAndTakesTheTargetsPlace) {
    const std::wstring target = Make(L"c\u00edl.tst", "starý");
    CTemporaryFile first, second;
    first.Create(target);
    second.Create(folder + L"\\jin\u00fd.tst");
    EXPECT_NE(first.GetFilePath(), second.GetFilePath());
    EXPECT_EQ(folder + L"\\~kvz", first.GetFilePath().substr(0, folder.size() + 5));
    EXPECT_EQ(L".tmp", first.GetFilePath().substr(first.GetFilePath().size() - 4)); // never a test's ".tst"
    first.Write("nový", 4);
    first.Commit();
    second.Commit(); // a missing target is fine
    EXPECT_EQ("nový", Content(target));
    EXPECT_EQ(std::vector<std::wstring>({L"c\u00edl.tst", L"jin\u00fd.tst"}), FolderEntries(folder));

    {
        CTemporaryFile abandoned;
        abandoned.Create(target);
        abandoned.Write("x", 1);
    } // destroyed without Commit: it goes, the target stays
    EXPECT_EQ(std::vector<std::wstring>({L"c\u00edl.tst", L"jin\u00fd.tst"}), FolderEntries(folder));
    EXPECT_EQ("nový", Content(target));

    try {
        CTemporaryFile nowhere;
        nowhere.Create(folder + L"\\chyb\u00ed\\a.tst");
        ADD_FAILURE() << "a temporary file in a missing folder";
    } catch (const CFileException& error) {
        EXPECT_EQ(CFileException::badPath, error.m_cause);
    }
    EXPECT_TRUE(CFile::RemoveQuietly(target));
    EXPECT_FALSE(CFile::RemoveQuietly(target));
}

TEST_F(File, AReplacementKeepsTheTargetsAttributesButNotItsArchiveBit) {
    const std::wstring target = Make(L"skryt\u00fd.tst", "starý");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    CTemporaryFile file;
    file.Create(target);
    file.Write("nový", 4);
    file.Commit();
    EXPECT_EQ("nový", Content(target));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE),
              AttributesOf(target));
}

TEST_F(File, ATemporaryFileCommittedAsNewNeverReplacesAFileThatAppeared) {
    const std::wstring target = folder + L"\\nov\u00fd.csv";
    {
        CTemporaryFile file;
        file.Create(target);
        file.Write("můj", 3);
        Make(L"nov\u00fd.csv", "cizí"); // another program takes the name meanwhile
        try {
            file.CommitNew();
            ADD_FAILURE() << "a file that appeared was replaced";
        } catch (const CFileException& error) {
            EXPECT_EQ(ERROR_ALREADY_EXISTS, error.m_lOsError);
            EXPECT_EQ(target, error.m_strFileName);
        }
    }
    EXPECT_EQ("cizí", Content(target));
    EXPECT_EQ(std::vector<std::wstring>({L"nov\u00fd.csv"}), FolderEntries(folder));

    ASSERT_TRUE(CFile::RemoveQuietly(target));
    CTemporaryFile file;
    file.Create(target);
    file.Write("můj", 3);
    file.CommitNew();
    EXPECT_EQ("můj", Content(target));
}

TEST_F(File, FilesBeyondMaxPathAreCreatedReplacedListedAndRemoved) {
    const std::wstring deep = DeepFolder();
    const std::wstring target = deep + L"\\" + std::wstring(200, L'n') + L".tst";
    ASSERT_GT(target.size(), size_t(MAX_PATH + 200));
    Make(target.substr(folder.size() + 1), "starý");
    EXPECT_EQ("starý", Content(target));
    CTemporaryFile file;
    file.Create(target);
    file.Write("nový", 4);
    file.Commit();
    EXPECT_EQ("nový", Content(target));
    EXPECT_EQ(std::vector<std::wstring>({target.substr(deep.size() + 1)}), FolderEntries(deep));
    EXPECT_TRUE(CFile::RemoveQuietly(target));
}

TEST(FileSystem, TheModuleFileNameIsTheRunningExe) {
    EXPECT_EQ(BesideExe(L"platform_file_test.exe"), AfxGetModuleFileName());
}

TEST(FileSystem, TheExtendedLengthFormOfAPath) {
    EXPECT_EQ(L"\\\\?\\C:\\a\\b.tst", ExtendedLengthPath(L"C:\\a\\b.tst"));
    EXPECT_EQ(L"\\\\?\\UNC\\server\\share\\b.tst", ExtendedLengthPath(L"\\\\server\\share\\b.tst"));
    EXPECT_EQ(L"\\\\?\\C:\\a", ExtendedLengthPath(L"\\\\?\\C:\\a"));
    EXPECT_EQ(L"\\\\.\\pipe\\x", ExtendedLengthPath(L"\\\\.\\pipe\\x"));
    EXPECT_EQ(L"a\\b.tst", ExtendedLengthPath(L"a\\b.tst"));
}
} // namespace
