#pragma once
// The files a conversion touches, behind one small interface: the native build serves it with
// POSIX calls, the Windows front end with wide-path Win32 calls. Paths are UTF-8 here; the
// Windows side converts them from and to UTF-16 at its own boundary.

#include "convert/ByteSink.h"
#include "convert/ByteSource.h"

#include <functional>
#include <memory>
#include <string>

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
    // caller looked) stays as it is, and it throws FileAccessError(Messages::TargetExists()).
    virtual void SaveSafely(const std::string& path, bool replace,
                            const std::function<void(ByteSink&)>& write) = 0;
};
