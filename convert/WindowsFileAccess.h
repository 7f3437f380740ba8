#pragma once
// The converter's files on Windows: the framework's wide-path files and the program's own safe
// save (CTemporaryFile), with the program's wording of what goes wrong. The core's UTF-8 paths
// become full UTF-16 paths here, so a folder may hold any character and a path may be longer than
// MAX_PATH.

#include "convert/FileAccess.h"

class WindowsFileAccess : public FileAccess {
public:
    bool Exists(const std::string& path) override;
    std::unique_ptr<ByteSource> OpenForReading(const std::string& path) override;
    bool SaveSafely(const std::string& path, bool replace,
                    const std::function<void(ByteSink&)>& write) override;
};
