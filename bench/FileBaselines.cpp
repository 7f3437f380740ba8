#include "bench/FileBaselines.h"

#include "bench/BenchSupport.h"

#include <windows.h>

#include <memory>

double PlainRead(const std::wstring& path, size_t size) {
    const double start = Seconds();
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    DWORD read = 0;
    const BOOL ok = ReadFile(file, buffer.get(), static_cast<DWORD>(size), &read, nullptr);
    CloseHandle(file);
    const double elapsed = Seconds() - start;
    Require(ok && read == size, "the plain read failed");
    return elapsed;
}

double PlainWrite(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    const double start = Seconds();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    FlushFileBuffers(file);
    CloseHandle(file);
    const double elapsed = Seconds() - start;
    Require(ok && written == bytes.size(), "the plain write failed");
    return elapsed;
}
