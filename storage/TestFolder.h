#pragma once
// Where tests live: the folder "Kvizar" beside the exe, one "<name>.tst" file per test.

#include "platform/String.h"

#include <string>

// Paths are UTF-16: the exe's folder may hold any character. Only a test's name is program text.

// The running exe's folder, without a trailing backslash; asked afresh each time.
std::wstring ExeDirectory();
// ExeDirectory() + "\\Kvizar".
std::wstring TestFolderPath();
// ExeDirectory() + "\\Kvizar\\" + name + ".tst"; the name is used as typed.
std::wstring BuildTestPath(const CString& name);
// Creates the test folder (one level); an existing folder is fine.
void CreateTestFolder();
// A test file's name: it ends in ".tst", in any case. Matching here rather than by the wildcard
// keeps out names that "*.tst" reaches only through their short 8.3 form ("a.tstx").
bool IsTestFileName(const CString& fileName);
