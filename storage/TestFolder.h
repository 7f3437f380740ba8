#pragma once
// Where tests live: the folder "Kvizar" beside the exe, one "<name>.tst" file per test.

#include "platform/String.h"

#include <string>

class CListBox;

// Paths are UTF-16: the exe's folder may hold any character. Only a test's name is program text.

// The running exe's folder, without a trailing backslash; asked afresh each time.
std::wstring ExeDirectory();
// ExeDirectory() + "\\Kvizar".
std::wstring TestFolderPath();
// ExeDirectory() + "\\Kvizar\\" + name + ".tst"; the name is used as typed.
std::wstring BuildTestPath(const CString& name);
// Creates the test folder (one level); an existing folder is fine.
void CreateTestFolder();
// Fills the list with the names of the stored tests; returns the number of entries. A file whose
// name Windows-1250 cannot hold is no test of this program: it is not listed.
int FillTestList(CListBox& list);
