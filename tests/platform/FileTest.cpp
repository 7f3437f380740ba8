// The framework's files over real files in a scratch folder beside the test exe: open modes and
// sharing, exact reads, the causes and texts of file errors, temporary files and their replacing.
// Listing, write failures and the retried replace are tested through the storage that uses them.

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "tests/support/Files.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class File : public ::testing::Test {
protected:
    void SetUp() override {
        const CString exe = AfxGetModuleFileName();
        folder = exe.Left(exe.ReverseFind('\\')) + "\\Soubory";
        RemoveTree(ToWide(folder));
        ASSERT_TRUE(AfxCreateDirectory(folder));
    }
    void TearDown() override {
        CFile::SetFaultHook(nullptr);
        RemoveTree(ToWide(folder));
    }

    // Writes text to a new file in the folder and returns its path.
    CString Make(const char* name, const std::string& text) {
        const CString path = folder + "\\" + name;
        CFile file;
        EXPECT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        file.Write(text.data(), static_cast<UINT>(text.size()));
        return path;
    }

    std::string Content(const CString& path) {
        CFile file;
        if (!file.Open(path, CFile::modeRead))
            return "(cannot open)";
        std::string text(static_cast<size_t>(file.GetLength()), '\0');
        EXPECT_EQ(text.size(), file.Read(&text[0], static_cast<UINT>(text.size())));
        return text;
    }

    CString folder;
};

bool OpensFor(const CString& path, DWORD access) {
    HANDLE other = CreateFileW(ToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    CloseHandle(other);
    return other != INVALID_HANDLE_VALUE;
}

TEST_F(File, CreateTruncatesAndReadsStopAtTheEnd) {
    const CString path = Make("Příliš žluťoučký.tst", "dlouhý starý obsah");
    Make("Příliš žluťoučký.tst", "nový");
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
    const CString path = Make("sdílení.tst", "x");
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

TEST_F(File, FailuresNameTheFileAndTheirCauseInCzech) {
    const CString missing = folder + "\\chybí.tst";
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    EXPECT_STREQ(missing, error.m_strFileName);

    const struct {
        LONG osError;
        const char* text;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, "Soubor C:\\a.tst nebyl nalezen."},
        {ERROR_PATH_NOT_FOUND, "Cesta k souboru C:\\a.tst je neplatná."},
        {ERROR_INVALID_NAME, "Cesta k souboru C:\\a.tst je neplatná."},
        {ERROR_ACCESS_DENIED, "Přístup k souboru C:\\a.tst byl odepřen."},
        {ERROR_WRITE_PROTECT, "Přístup k souboru C:\\a.tst byl odepřen."},
        {ERROR_SHARING_VIOLATION, "Soubor C:\\a.tst právě používá jiný program."},
        {ERROR_LOCK_VIOLATION, "Soubor C:\\a.tst právě používá jiný program."},
        {ERROR_DISK_FULL, "Při zápisu souboru C:\\a.tst došlo místo na disku."},
        {ERROR_HANDLE_DISK_FULL, "Při zápisu souboru C:\\a.tst došlo místo na disku."},
        {ERROR_CRC, "Při práci se souborem C:\\a.tst došlo k chybě."},
    };
    for (const auto& c : cases) {
        try {
            CFileException::ThrowOsError(c.osError, "C:\\a.tst");
        } catch (const CFileException& thrown) {
            EXPECT_STREQ(c.text, thrown.GetErrorMessage()) << "error " << c.osError;
        }
    }

    MessageBoxScript boxes;
    boxes.Then(IDOK);
    error.ReportError();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Kvizar 2004", boxes.Shown()[0].title);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), boxes.Shown()[0].type);
}

TEST_F(File, ATemporaryFileIsNewAndTakesTheTargetsPlace) {
    const CString target = Make("cíl.tst", "starý");
    CFile first, second;
    ASSERT_TRUE(first.OpenTemporary(folder));
    ASSERT_TRUE(second.OpenTemporary(folder));
    EXPECT_STRNE(first.GetFilePath(), second.GetFilePath());
    EXPECT_EQ(0, std::string(first.GetFilePath()).rfind(folder + "\\", 0));
    first.Write("nový", 4);
    first.Close();
    second.Close();

    CFile::Replace(first.GetFilePath(), target);
    EXPECT_EQ("nový", Content(target));
    CFile::Replace(second.GetFilePath(), folder + "\\jiný.tst"); // a missing target is fine
    EXPECT_EQ(std::vector<std::wstring>({L"c\u00edl.tst", L"jin\u00fd.tst"}), FolderEntries(ToWide(folder)));

    CFileException error;
    CFile third;
    EXPECT_FALSE(third.OpenTemporary(folder + "\\chybí", &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
    EXPECT_TRUE(CFile::RemoveQuietly(target));
    EXPECT_FALSE(CFile::RemoveQuietly(target));
}

TEST(FileSystem, TheModuleFileNameIsTheRunningExe) {
    const CString exe = AfxGetModuleFileName();
    EXPECT_EQ(static_cast<size_t>(exe.GetLength()) - 23, std::string(exe).rfind("\\platform_file_test.exe"));
}
} // namespace
