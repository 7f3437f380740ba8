#pragma once
// The file system calls that take or give a path outside a file object, in program text.

#include "platform/String.h"

#include <windows.h>

// The full path of a module (nullptr: the running exe) as the system reports it into a buffer of
// MAX_PATH characters.
CString AfxGetModuleFileName(HMODULE module = nullptr);

// Creates one directory; FALSE when it cannot, for example because it exists already.
BOOL AfxCreateDirectory(const char* path);
