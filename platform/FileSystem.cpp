#include "platform/FileSystem.h"

#include <vector>

std::wstring AfxGetModuleFileName(HMODULE module) {
    // The system cuts the path to the buffer it is given: grow it until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::wstring AfxFullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path; // an empty or impossible path: the file functions will say why
    std::vector<wchar_t> full(needed);
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    return length > 0 && length < needed ? std::wstring(full.data(), length) : path;
}

BOOL AfxCreateDirectory(const std::wstring& path) {
    return CreateDirectoryW(ExtendedLengthPath(path).c_str(), nullptr);
}

std::wstring ExtendedLengthPath(const std::wstring& path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
    // "\\server\share", not a path that is in the system's own form already ("\\?\", "\\.\").
    const bool unc =
        path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' && path[2] != L'.';
    if (drive)
        return L"\\\\?\\" + path;
    if (unc)
        return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}
