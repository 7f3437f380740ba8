#pragma once
// The storage tests work on the real test folder beside the test exe. Every case starts and ends
// without it and with no test seam set; the helpers take wide paths, so a test can also make
// names that Windows-1250 cannot hold.

#include "platform/String.h"
#include "tests/storage/TestFileSamples.h"
#include "tests/support/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class TestFolderCase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test folder, and a test's file in it, as wide paths.
    static std::wstring Folder();
    static std::wstring PathOf(const wchar_t* fileName);
};

Bytes ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const Bytes& bytes);
// The names in a folder, sorted; empty when it is missing.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
void RemoveTree(const std::wstring& path);

// Exactly one message box was shown, with this text, title and type.
::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const CString& text, const char* title,
                                  UINT type);
