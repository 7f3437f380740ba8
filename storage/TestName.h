#pragma once
// Which names can become tests: a test's name is its file's name in the test folder.

#include "platform/String.h"

// True when "<name>.tst" is a file name Windows can hold in the test folder, so that a test of that
// name can be saved: not empty, no reserved or control characters, no device name (CON, NUL,
// COM1, LPT1 ... with or without an extension), and a file name and path within
// the system's limits (the path may be longer than MAX_PATH). A name of spaces is a name.
bool IsUsableTestName(const CString& name);
