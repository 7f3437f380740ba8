#include "bench/FileBaselines.h"

#include "bench/BenchSupport.h"
#include "storage/TestFileEncoder.h"

#include <windows.h>

#include <memory>

QuestionArray FullLengthTest(int32_t count, const std::string& alphabet) {
    QuestionArray test = QuestionArray::Allocate(count);
    uint32_t seed = 12345;
    for (int32_t i = 0; i < test.Count(); ++i) {
        for (char* text : test[i].text) {
            for (int c = 0; c < 1023; ++c) {
                seed = seed * 1103515245u + 12345u;
                text[c] = alphabet[(seed >> 16) % alphabet.size()];
            }
            text[1023] = '\0';
        }
        test[i].correct = i % 4;
    }
    return test;
}

std::vector<uint8_t> EncodeTest(const QuestionArray& test) {
    TestFileEncoder encoder(test.Data(), test.Count());
    std::vector<uint8_t> bytes(static_cast<size_t>(encoder.EncodedSize()));
    encoder.Next(bytes.data(), bytes.size());
    return bytes;
}

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
