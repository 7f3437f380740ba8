#pragma once
// Tests that work on the real test folder beside the test exe. Every case starts and ends without
// it and with no test seam set.

#include "platform/String.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <string>

class TestFolderCase : public ::testing::Test {
public:
    // The test folder, and a file in it, as wide paths.
    static std::wstring Folder();
    static std::wstring PathOf(const wchar_t* fileName);

protected:
    void SetUp() override;
    void TearDown() override;
};

// The file of the test named name (Windows-1250).
std::wstring TestFileOf(const CString& name);
// Stores a test file as another program would, creating the test folder when needed.
void WriteTest(const CString& name, const Bytes& bytes);
