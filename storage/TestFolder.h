#pragma once
// Where tests live: the folder "Kvizar" beside the exe, one "<name>.tst" file per test.

#include "platform/String.h"

class CListBox;

// The running exe's folder, without a trailing backslash; asked afresh each time.
CString ExeDirectory();
// ExeDirectory() + "\\Kvizar".
CString TestFolderPath();
// ExeDirectory() + "\\Kvizar\\" + name + ".tst"; the name is used as typed.
CString BuildTestPath(const CString& name);
// Creates the test folder (one level); an existing folder is fine.
void CreateTestFolder();
// Fills the list with the names of the stored tests; returns the number of entries.
int FillTestList(CListBox& list);
