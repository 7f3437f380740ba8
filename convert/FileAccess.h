#pragma once
// The files a conversion touches, behind one small interface: kvizar-convert.exe serves it with
// the framework's files, the native build with POSIX calls. Paths are UTF-8 here; the Windows
// side converts them at its own boundary.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

// A file that cannot be opened, read or written: the program's Czech sentence for the cause, which
// names the file (UTF-8).
class FileAccessError : public std::runtime_error {
public:
    explicit FileAccessError(const std::string& reason) : std::runtime_error(reason) {}
};

// A file being read, chunk by chunk: a reader never asks for the whole of it at once.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to capacity bytes and returns how many; 0 at the end. Throws FileAccessError.
    virtual size_t Read(uint8_t* buffer, size_t capacity) = 0;
    // Starts again at the first byte: a text that turns out not to be UTF-8 is read again.
    virtual void Rewind() = 0;
    // The size in bytes, known before reading: it bounds the questions a file can hold.
    virtual uint64_t Size() = 0;
};

// Where a writer puts a file's bytes, in chunks as large as the writer likes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes all of the bytes. Throws FileAccessError.
    virtual void Write(const uint8_t* data, size_t size) = 0;
};

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Whether anything (a file or a folder) is there.
    virtual bool Exists(const std::string& path) = 0;

    // Opens a file for reading from its first byte. Throws FileAccessError.
    virtual std::unique_ptr<ByteSource> OpenForReading(const std::string& path) = 0;

    // Creates or replaces path with what write puts into the sink, safely: a temporary file in
    // path's folder, flushed to the disk, then renamed over path in one step. On any failure,
    // write's own exceptions included, the old file stays byte-identical and no temporary file
    // remains; then it throws FileAccessError (or rethrows what write threw). Without replace, a
    // file that is at path by the time of the rename (another program may have made it since the
    // caller looked) stays as it is, and it returns false.
    virtual bool SaveSafely(const std::string& path, bool replace,
                            const std::function<void(ByteSink&)>& write) = 0;
};
