#include "platform/foundation/FileContents.h"

#include "platform/foundation/EmbeddedFiles.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileReadFailure failureOfErrno(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR: return FileReadFailure::missing;
    case EACCES:
    case EPERM: return FileReadFailure::permissionDenied;
    default: return FileReadFailure::unreadable;
    }
}

std::optional<std::string> failWith(FileReadFailure reason, FileReadFailure* failure)
{
    if (failure)
        *failure = reason;
    return std::nullopt;
}

// A file compiled into the program (see EmbeddedFiles.h).
std::optional<std::string> readEmbeddedFile(const std::filesystem::path& file, std::size_t maxBytes,
                                            FileReadFailure* failure)
{
    if (auto bytes = embeddedFileBytes(file.native())) {
        if (bytes->size() > maxBytes)
            return failWith(FileReadFailure::tooLarge, failure);
        return std::string(*bytes);
    }
    const bool folder = embeddedEntry(file.native()) == EmbeddedEntry::folder;
    return failWith(folder ? FileReadFailure::notRegularFile : FileReadFailure::missing, failure);
}

// Reads up to `limit` bytes from `fd`; nullopt on an error.
std::optional<std::string> readUpTo(int fd, std::size_t limit, std::size_t sizeHint)
{
    std::string contents;
    contents.reserve(sizeHint < limit ? sizeHint : limit);
    char buffer[64 * 1024];
    while (contents.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - contents.size());
        const ssize_t n = ::read(fd, buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return contents;
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                                         FileReadFailure* failure)
{
    if (isEmbeddedPath(file.native()))
        return readEmbeddedFile(file, maxBytes, failure);
    // Only a regular file is opened at all (opening a device can have effects); non-blocking, so a
    // FIFO put in the file's place after this test cannot stall the open either.
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return failWith(failureOfErrno(errno), failure);
    if (!S_ISREG(info.st_mode))
        return failWith(FileReadFailure::notRegularFile, failure);
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failWith(failureOfErrno(errno), failure);
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return failWith(failureOfErrno(code), failure);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return failWith(FileReadFailure::notRegularFile, failure);
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes) {
        ::close(fd);
        return failWith(FileReadFailure::tooLarge, failure);
    }
    // One byte past the limit tells a file that grew since fstat from one that fits.
    const std::size_t limit = maxBytes == std::numeric_limits<std::size_t>::max() ? maxBytes : maxBytes + 1;
    std::optional<std::string> contents = readUpTo(fd, limit, size);
    const int code = errno;
    ::close(fd);
    if (!contents)
        return failWith(failureOfErrno(code), failure);
    if (contents->size() > maxBytes)
        return failWith(FileReadFailure::tooLarge, failure);
    return contents;
}

} // namespace platform
