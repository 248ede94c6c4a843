#pragma once
// An exclusive advisory lock on a lock file, held while the FileLock lives: writers of one file that
// take it in turn never interleave a read with another's write. It is a flock, not a POSIX record
// lock, so two holders in one process exclude each other and closing another descriptor of the file
// does not let go of it. The lock file is created when missing and never removed: a holder that dies
// lets go with its descriptors, so the file it leaves blocks no one.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

class FileLock {
public:
    // Waits for the lock on `file`, making its folder first. nullopt, with the reason in `error`
    // (when given), when it cannot be taken: `file` is not a regular file this process may open for
    // reading and writing, or its file system keeps no locks.
    static std::optional<FileLock> acquire(const std::filesystem::path& file, std::string* error = nullptr);

    FileLock(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock& operator=(FileLock&&) = delete;
    ~FileLock();

private:
    explicit FileLock(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace platform
