#pragma once
// The file system calls that take or give a path outside a file object. Paths are UTF-16, as the
// system gives them: a folder may hold any character.

#include <windows.h>

#include <string>

// The full path of a module (nullptr: the running exe), however long.
std::wstring AfxGetModuleFileName(HMODULE module = nullptr);

// The full path of a file named as a user names it: relative to the current folder, with "/",
// "." and ".." steps. The result suits ExtendedLengthPath.
std::wstring AfxFullPath(const std::wstring& path);

// Creates one directory; FALSE when it cannot, for example because it exists already.
BOOL AfxCreateDirectory(const std::wstring& path);

// The path as the W file functions take it beyond MAX_PATH characters ("\\?\C:\..." or
// "\\?\UNC\server\..."). The rest of the path must then be exact: no "." or ".." steps, no "/".
// A relative path is returned as it is.
std::wstring ExtendedLengthPath(const std::wstring& path);
