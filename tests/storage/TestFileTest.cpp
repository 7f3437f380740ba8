// Loading and saving through real files in the test folder beside the test exe: the exact bytes,
// every refusal with its one message, and saves that never lose the old test.

#include "platform/File.h"
#include "platform/Text.h"
#include "storage/StoredTest.h"
#include "storage/TestFolder.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestFolderCase.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {
const UINT kStopBox = MB_OK | MB_ICONSTOP; // 16, the program's own errors
const UINT kFileErrorBox = MB_OK | MB_ICONEXCLAMATION;
const char kFrameworkTitle[] = "Kvizar 2004";

// Loading the file hands out nothing and shows exactly this one box.
::testing::AssertionResult LoadIsRefused(const std::wstring& path, const std::wstring& text,
                                         const char* title, UINT type) {
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    if (!LoadTestFile(path).IsEmpty())
        return ::testing::AssertionFailure() << "the load handed out a test";
    return OneBox(boxes, text, title, type);
}

class TestFileStorage : public TestFolderCase {
protected:
    void SetUp() override {
        TestFolderCase::SetUp();
        CreateTestFolder();
    }
};

TEST_F(TestFileStorage, WorkedExampleIsSavedByteForByteAndLoadsBack) {
    const std::wstring path = BuildTestPath("Sčítání");
    ASSERT_TRUE(SaveTestFile(path, ArrayOf({kWorkedRecord})));
    EXPECT_EQ(kWorkedExample, ReadBytes(path));
    EXPECT_EQ(1u, FolderEntries(Folder()).size()); // nothing left beside it
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, LoadTestFile(path)));
}

TEST_F(TestFileStorage, EmptyTextsAndTextsThatFillTheirFieldRoundTrip) {
    const std::string full(1023, '\xe8'); // 1023 times "č"
    const std::vector<QuestionRecord> records = {MakeRecord(0, {"", "", "", "", ""}),
                                                 MakeRecord(3, {full, "", full, "ano", ""})};
    const std::wstring path = BuildTestPath("Dlouhé texty");
    ASSERT_TRUE(SaveTestFile(path, ArrayOf(records)));

    // An empty text is length 1 and a NUL, a full one length 1024.
    EXPECT_EQ(FileOf(records), ReadBytes(path));

    const QuestionArray loaded = LoadTestFile(path);
    EXPECT_TRUE(SameQuestions(records.data(), 2, loaded));
    ASSERT_EQ(2, loaded.Count());
    EXPECT_EQ(1023u, std::strlen(loaded[1].text[0]));
    EXPECT_EQ('\0', loaded[1].text[0][kTextFieldSize - 1]);
}

// ... and a hidden test stays hidden.
TEST_F(TestFileStorage, SavingOverALongerTestLeavesNoTrailingBytes) {
    const std::wstring path = BuildTestPath("Přepsaný");
    ASSERT_TRUE(SaveTestFile(
        path, ArrayOf({MakeRecord(2, {std::string(900, 'x'), "a", "b", "c", "d"}), kWorkedRecord})));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SaveTestFile(path, ArrayOf({kWorkedRecord})));
    EXPECT_EQ(kWorkedExample, ReadBytes(path));
    EXPECT_EQ(1u, FolderEntries(Folder()).size());
    EXPECT_TRUE(AttributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(TestFileStorage, ExtraBytesAfterTheLastQuestionAreIgnored) {
    const std::wstring path = BuildTestPath("Delší soubor");
    Bytes file = kWorkedExample;
    file.insert(file.end(), 100, 0xEE);
    WriteBytes(path, file);
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, LoadTestFile(path)));
}

TEST_F(TestFileStorage, DamagedFilesAreRefusedWithOneMessageThatNamesTheTest) {
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"count 0", Patched(kWorkedExample, 0, 0)},
        {"count -1", Patched(kWorkedExample, 0, -1)},
        {"count beyond the file's size", Patched(kWorkedExample, 0, 2)},
        {"count INT32_MAX", Patched(kWorkedExample, 0, INT32_MAX)},
        {"length 0", Patched(kWorkedExample, 8, 0)},
        {"length 1025", Patched(kWorkedExample, 8, 1025)},
        {"length -1", Patched(kWorkedExample, 8, -1)},
        {"text without its NUL", Patched(kWorkedExample, 8, 4)},
        {"ends early", Bytes(kWorkedExample.begin(), kWorkedExample.end() - 1)},
        {"ends inside the count", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 3)},
        {"empty", Bytes()},
    };
    const std::wstring path = BuildTestPath("Poškozený test");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.file);
        EXPECT_TRUE(LoadIsRefused(path, ToWide("Test \"Poškozený test\" je poškozený a nelze jej otevřít."),
                                  "Chyba", kStopBox));
    }
}

TEST_F(TestFileStorage, ATestTooLargeForMemoryIsRefusedAsTooLarge) {
    // 400,000 questions take 2 GB, which a 32-bit process cannot get; 800,000 take 4.1 GB, more
    // than it can even ask for. The 64-bit build the tests also run as can get those, but not the
    // 11 TB of the largest count a file can announce. Each file is just large enough to announce
    // them (29 bytes is the smallest question), and sparse.
    const std::wstring path = BuildTestPath("Obří test");
    const std::vector<int32_t> counts =
        sizeof(void*) == 4 ? std::vector<int32_t>{400000, 800000} : std::vector<int32_t>{INT32_MAX};
    for (const int32_t count : counts) {
        SCOPED_TRACE(count);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        WriteFile(file, &count, 4, &written, nullptr);
        LARGE_INTEGER size;
        size.QuadPart = 4 + 29LL * count;
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        EXPECT_TRUE(SetEndOfFile(file));
        CloseHandle(file);
        EXPECT_TRUE(LoadIsRefused(path, ToWide("Test \"Obří test\" je příliš velký a nelze jej otevřít."),
                                  "Chyba", kStopBox));
    }
}

TEST_F(TestFileStorage, ATwentyThousandQuestionTestLoads) {
    const QuestionArray test = FullLengthTest(20000); // about 103 MB
    const std::wstring path = BuildTestPath("Velký test");
    ASSERT_TRUE(SaveTestFile(path, test));
    const QuestionArray loaded = LoadTestFile(path);
    ASSERT_EQ(20000, loaded.Count());
    EXPECT_EQ(0, std::memcmp(test.Data(), loaded.Data(), sizeof(QuestionRecord) * 20000));
}

TEST_F(TestFileStorage, AFileThatCannotBeOpenedGetsTheFileErrorReport) {
    const std::wstring path = BuildTestPath("Zeměpis");
    const auto reports = [&path](const char* format) {
        return LoadIsRefused(path, Formatted(format, path), kFrameworkTitle, kFileErrorBox);
    };
    EXPECT_TRUE(reports("Soubor %s nebyl nalezen."));

    WriteBytes(path, kWorkedExample);
    {
        LockedFile holder(path);
        ASSERT_TRUE(holder.IsHeld());
        EXPECT_TRUE(reports("Soubor %s právě používá jiný program."));
    }

    RemoveTree(Folder());
    EXPECT_TRUE(reports("Cesta k souboru %s je neplatná."));
}

TEST_F(TestFileStorage, LoadingLetsOthersReadAndKeepsNothingOpen) {
    const std::wstring path = BuildTestPath("Sdílený");
    WriteBytes(path, kWorkedExample);
    HANDLE reader =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    EXPECT_TRUE(SameQuestions(&kWorkedRecord, 1, LoadTestFile(path)));
    CloseHandle(reader);

    HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, exclusive);
    CloseHandle(exclusive);
}

TEST_F(TestFileStorage, AReadErrorMidwayIsReportedAndHandsOutNothing) {
    const std::wstring path = BuildTestPath("Vadný disk");
    ASSERT_TRUE(SaveTestFile(path, FullLengthTest(450))); // three chunks
    int reads = 0;
    CFile::SetFaultHook([&](FileOperation operation) {
        return operation == FileOperation::Read && ++reads == 2 ? DWORD(ERROR_CRC) : DWORD(0);
    });
    EXPECT_TRUE(LoadIsRefused(path, Formatted("Při práci se souborem %s došlo k chybě.", path),
                              kFrameworkTitle, kFileErrorBox));
}

TEST_F(TestFileStorage, ASaveThatFailsAtAnyStepKeepsTheOldTestAndLeavesNothingBehind) {
    const std::wstring path = BuildTestPath("Zeměpis");
    ASSERT_TRUE(SaveTestFile(path, ArrayOf({kWorkedRecord})));
    const std::vector<std::wstring> oldFolder = FolderEntries(Folder());
    const QuestionArray update = FullLengthTest(450); // 2.3 MB: three chunks

    // A save over a test that succeeds, watched: the steps a failure can hit, one write per chunk.
    const std::wstring watched = BuildTestPath("Pozorovaný");
    ASSERT_TRUE(SaveTestFile(watched, update));
    std::vector<FileOperation> steps;
    CFile::SetFaultHook([&](FileOperation operation) {
        steps.push_back(operation);
        return DWORD(0);
    });
    ASSERT_TRUE(SaveTestFile(watched, update));
    const std::vector<FileOperation> expectedSteps = {
        FileOperation::Open,  FileOperation::Write, FileOperation::Write,      FileOperation::Write,
        FileOperation::Flush, FileOperation::Close, FileOperation::Attributes, FileOperation::Replace,
    };
    EXPECT_EQ(expectedSteps, steps);
    DeleteFileW(watched.c_str());

    for (size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE("the disk fills up at step " + std::to_string(k + 1));
        size_t step = 0;
        CFile::SetFaultHook([&](FileOperation) { return ++step > k ? DWORD(ERROR_DISK_FULL) : DWORD(0); });
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        EXPECT_FALSE(SaveTestFile(path, update));
        EXPECT_TRUE(OneBox(boxes, Formatted("Při zápisu souboru %s došlo místo na disku.", path),
                           kFrameworkTitle, kFileErrorBox));
        EXPECT_EQ(kWorkedExample, ReadBytes(path));
        EXPECT_EQ(oldFolder, FolderEntries(Folder()));
    }

    CFile::SetFaultHook(nullptr);
    ASSERT_TRUE(SaveTestFile(path, update));
    EXPECT_TRUE(SameQuestions(update.Data(), update.Count(), LoadTestFile(path)));
}

TEST_F(TestFileStorage, ATargetHeldForAMomentIsWaitedOut) {
    const std::wstring path = BuildTestPath("Chvíli držený");
    int attempts = 0;
    CFile::SetFaultHook([&](FileOperation operation) {
        return operation == FileOperation::Replace && ++attempts <= 2 ? DWORD(ERROR_SHARING_VIOLATION)
                                                                      : DWORD(0);
    });
    ASSERT_TRUE(SaveTestFile(path, ArrayOf({kWorkedRecord})));
    EXPECT_EQ(3, attempts);
    EXPECT_EQ(kWorkedExample, ReadBytes(path));
    EXPECT_EQ(1u, FolderEntries(Folder()).size());
}

TEST_F(TestFileStorage, ATargetHeldOpenByAnotherProgramIsNotReplaced) {
    const std::wstring path = BuildTestPath("Držený");
    WriteBytes(path, kWorkedExample);
    const std::vector<std::wstring> oldFolder = FolderEntries(Folder());
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    {
        LockedFile holder(path);
        ASSERT_TRUE(holder.IsHeld());
        const DWORD start = GetTickCount();
        EXPECT_FALSE(SaveTestFile(path, ArrayOf({MakeRecord(0, {"jiná", "", "", "", ""})})));
        EXPECT_LT(GetTickCount() - start, 3000u); // waited briefly, not for ever
    }

    ASSERT_EQ(1u, boxes.Shown().size());
    const std::wstring& text = boxes.Shown()[0].shownText;
    EXPECT_TRUE(text == Formatted("Soubor %s právě používá jiný program.", path) ||
                text == Formatted("Přístup k souboru %s byl odepřen.", path))
        << boxes.Shown()[0].text.GetString();
    EXPECT_EQ(kWorkedExample, ReadBytes(path));
    EXPECT_EQ(oldFolder, FolderEntries(Folder()));
}

TEST_F(TestFileStorage, ASaveWhoseFileCannotBeMadeIsReported) {
    const struct {
        const char* name;
        bool folderMissing;
    } cases[] = {
        {"Zeměpis", true},
        {"Co?", false},
        {"A|B", false},
        {"<x>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.folderMissing)
            RemoveTree(Folder());
        const std::wstring path = BuildTestPath(c.name);
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        EXPECT_FALSE(SaveTestFile(path, ArrayOf({kWorkedRecord})));
        EXPECT_TRUE(OneBox(boxes, Formatted("Cesta k souboru %s je neplatná.", path), kFrameworkTitle,
                           kFileErrorBox));
        EXPECT_TRUE(FolderEntries(Folder()).empty()); // nothing left behind, no folder made
        EXPECT_EQ(!c.folderMissing, Exists(Folder()));
        CreateTestFolder();
    }
}
} // namespace
