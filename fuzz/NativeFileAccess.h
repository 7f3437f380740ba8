#pragma once
// The converter's files on a POSIX system (the native build): plain descriptors, and the safe save
// as a temporary file beside the target, fsync, then rename (or link, which never replaces).

#include "convert/FileAccess.h"

class NativeFileAccess : public FileAccess {
public:
    bool Exists(const std::string& path) override;
    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override;
    bool SaveSafely(const std::string& path, bool replace,
                    const std::function<void(ByteSink&)>& write) override;
};
