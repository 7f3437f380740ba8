#include "platform/FileSystem.h"

#include "platform/Text.h"

CString AfxGetModuleFileName(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return FromWide(path, static_cast<int>(length));
}

BOOL AfxCreateDirectory(const char* path) {
    return CreateDirectoryW(ToWide(path).c_str(), nullptr);
}
