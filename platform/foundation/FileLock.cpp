#include "platform/foundation/FileLock.h"

#include "platform/foundation/FileContents.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform {

namespace {

std::nullopt_t fail(std::string* error, const std::string& what, int code)
{
    if (error)
        *error = what + " (" + errnoText(code) + ")";
    return std::nullopt;
}

} // namespace

std::optional<FileLock> FileLock::acquire(const std::filesystem::path& file, std::string* error)
{
    std::error_code ec;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ec);
    if (ec)
        return fail(error, "cannot create " + file.parent_path().string(), ec.value());
    auto notRegular = [&] {
        if (error)
            *error = file.string() + " is not a regular file";
        return std::nullopt;
    };
    // Something else in the lock file's place (a folder, a FIFO, a device) is not opened at all;
    // should it appear after this look, the open does not block and the check after it refuses it.
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return notRegular();
    // Open for writing too: a network file system that carries flock as a whole-file byte-range
    // lock grants an exclusive one only on a descriptor open for writing. Only the owner may open
    // it, so no other user can hold this user's writers back.
    int fd = -1;
    do {
        fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fail(error, "cannot open " + file.string(), errno);
    FileLock lock(fd);
    if (::fstat(fd, &info) != 0)
        return fail(error, "cannot inspect " + file.string(), errno);
    if (!S_ISREG(info.st_mode))
        return notRegular();
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return fail(error, "cannot lock " + file.string(), errno);
    }
    return lock;
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd)
{
    other.m_fd = -1;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock
}

} // namespace platform
