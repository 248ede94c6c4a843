#include "platform/foundation/FileContents.h"

#include "platform/foundation/EmbeddedFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
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

// Where a failure is reported: its kind and the errno of the call that failed (0 for none).
struct FailureOut {
    FileReadFailure* failure;
    int* errorNumber;
};

std::optional<std::string> failWith(FileReadFailure reason, FailureOut out, int code = 0)
{
    if (out.failure)
        *out.failure = reason;
    if (out.errorNumber)
        *out.errorNumber = code;
    return std::nullopt;
}

std::optional<std::string> failWithErrno(int code, FailureOut out)
{
    return failWith(failureOfErrno(code), out, code);
}

// A file compiled into the program (see EmbeddedFiles.h).
std::optional<std::string> readEmbeddedFile(const std::filesystem::path& file, std::size_t maxBytes, FailureOut failure)
{
    if (auto bytes = embeddedFileBytes(file.native())) {
        if (bytes->size() > maxBytes)
            return failWith(FileReadFailure::tooLarge, failure);
        return std::string(*bytes);
    }
    const bool folder = embeddedEntry(file.native()) == EmbeddedEntry::folder;
    return failWith(folder ? FileReadFailure::notRegularFile : FileReadFailure::missing, failure);
}

// Reads up to `limit` bytes from `fd`; nullopt on an error, with errno set (ENOMEM when the bytes
// found no memory: a file can grow while it is read).
std::optional<std::string> readUpTo(int fd, std::size_t limit, std::size_t sizeHint)
{
    try {
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
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return std::nullopt;
    } catch (const std::length_error&) {
        errno = ENOMEM;
        return std::nullopt;
    }
}

// strerror_r comes in two forms: the GNU one gives the text, the XSI one fills the buffer.
[[maybe_unused]] const char* errorTextOf(const char* text, const char*)
{
    return text;
}
[[maybe_unused]] const char* errorTextOf(int result, const char* buffer)
{
    return result == 0 ? buffer : "unknown error";
}

} // namespace

std::string errnoText(int errorNumber)
{
    char buffer[256] = {};
    return errorTextOf(::strerror_r(errorNumber, buffer, sizeof buffer), buffer);
}

std::string readFailureReason(FileReadFailure failure, int errorNumber, std::size_t maxBytes)
{
    if (failure == FileReadFailure::tooLarge)
        return "it is larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MiB";
    if (failure == FileReadFailure::notRegularFile)
        return "it is not a regular file";
    return errorNumber != 0 ? errnoText(errorNumber) : "it could not be read";
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                                         FileReadFailure* failure)
{
    return readWholeFile(file, maxBytes, failure, nullptr);
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                                         FileReadFailure* failure, int* errorNumber)
{
    const FailureOut out{failure, errorNumber};
    if (isEmbeddedPath(file.native()))
        return readEmbeddedFile(file, maxBytes, out);
    // Only a regular file is opened at all (opening a device can have effects); non-blocking, so a
    // FIFO put in the file's place after this test cannot stall the open either.
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return failWithErrno(errno, out);
    if (!S_ISREG(info.st_mode))
        return failWith(FileReadFailure::notRegularFile, out);
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failWithErrno(errno, out);
    // Once the file is open, no failure says it is missing or forbidden (a network or FUSE file
    // system may report ENOENT from a read): it is there and could not be read.
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return failWith(FileReadFailure::unreadable, out, code);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return failWith(FileReadFailure::notRegularFile, out);
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes) {
        ::close(fd);
        return failWith(FileReadFailure::tooLarge, out);
    }
    // One byte past the limit tells a file that grew since fstat from one that fits.
    const std::size_t limit = maxBytes == std::numeric_limits<std::size_t>::max() ? maxBytes : maxBytes + 1;
    std::optional<std::string> contents = readUpTo(fd, limit, size);
    const int code = errno;
    ::close(fd);
    if (!contents)
        return failWith(FileReadFailure::unreadable, out, code);
    if (contents->size() > maxBytes)
        return failWith(FileReadFailure::tooLarge, out);
    return contents;
}

} // namespace platform
