#include "fuzz/NativeFileAccess.h"

#include "platform/FileCause.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The program's own wording of the failure, which names the file.
[[noreturn]] void Throw(int error, const std::string& path) {
    int cause = FileCause::genericException;
    switch (error) {
    case ENOENT:
        cause = FileCause::fileNotFound;
        break;
    case ENOTDIR:
    case ENAMETOOLONG:
        cause = FileCause::badPath;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        cause = FileCause::accessDenied;
        break;
    case ENOSPC:
    case EDQUOT:
        cause = FileCause::diskFull;
        break;
    }
    throw FileAccessError(FileCause::Describe(cause, path));
}

class FileSource : public ByteSource {
public:
    explicit FileSource(const std::string& path)
        : m_path(path), m_fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (m_fd < 0)
            Throw(errno, path);
        struct stat status;
        const int error = fstat(m_fd, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
        if (error != 0) {
            close(m_fd);
            Throw(error, path);
        }
        m_size = static_cast<uint64_t>(status.st_size);
    }
    ~FileSource() override { close(m_fd); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    size_t Read(uint8_t* buffer, size_t capacity) override {
        ssize_t got;
        while ((got = read(m_fd, buffer, capacity)) < 0 && errno == EINTR) {
        }
        if (got < 0)
            Throw(errno, m_path);
        return static_cast<size_t>(got);
    }
    void Rewind() override {
        if (lseek(m_fd, 0, SEEK_SET) != 0)
            Throw(errno, m_path);
    }
    uint64_t Size() override { return m_size; }

private:
    std::string m_path;
    int m_fd;
    uint64_t m_size = 0;
};

// The temporary file of a save: created beside the target, removed again unless it took the
// target's place.
class PendingFile : public ByteSink {
public:
    explicit PendingFile(const std::string& target) : m_target(target) {
        const size_t slash = target.find_last_of('/');
        m_folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
        m_path = m_folder + "/.kvizar-convert-XXXXXX";
        m_fd = mkostemp(&m_path[0], O_CLOEXEC);
        if (m_fd < 0)
            Throw(errno, m_target);
    }
    ~PendingFile() override {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_placed)
            unlink(m_path.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    void Write(const uint8_t* data, size_t size) override {
        while (size > 0) {
            const ssize_t done = write(m_fd, data, size);
            if (done < 0 && errno == EINTR)
                continue;
            if (done < 0)
                Throw(errno, m_target);
            data += done;
            size -= static_cast<size_t>(done);
        }
    }

    // Flushes the new content to the disk and renames it over the target; without replace it
    // links it under the target's name instead, which fails (false) where a file is.
    bool Place(bool replace) {
        const std::string& target = m_target;
        // mkostemp makes the file readable by its owner only; give it what a new file gets.
        const mode_t mask = umask(0);
        umask(mask);
        if (fchmod(m_fd, 0666 & ~mask) != 0 || fsync(m_fd) != 0)
            Throw(errno, m_target);
        const int closed = close(m_fd);
        m_fd = -1;
        if (closed != 0)
            Throw(errno, m_target);
        if (replace ? rename(m_path.c_str(), target.c_str()) != 0
                    : link(m_path.c_str(), target.c_str()) != 0) {
            if (errno == EEXIST)
                return false;
            Throw(errno, m_target);
        }
        if (!replace)
            unlink(m_path.c_str());
        m_placed = true;
        SyncFolder();
        return true;
    }

private:
    // Makes the rename itself last; the target is in place already, so a failure here is no refusal.
    void SyncFolder() {
        const int folder = open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
    }

    std::string m_target;
    std::string m_folder;
    std::string m_path;
    int m_fd = -1;
    bool m_placed = false;
};

} // namespace

bool NativeFileAccess::Exists(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

std::unique_ptr<ByteSource> NativeFileAccess::OpenForReading(const std::string& path) {
    return std::make_unique<FileSource>(path);
}

bool NativeFileAccess::SaveSafely(const std::string& path, bool replace,
                                  const std::function<void(ByteSink&)>& write) {
    PendingFile pending(path);
    write(pending);
    return pending.Place(replace);
}
