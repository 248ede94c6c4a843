#include "platform/foundation/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

bool fail(std::string* error, const std::string& what, int code)
{
    if (error)
        *error = what + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, std::string_view contents)
{
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const std::filesystem::path& directory)
{
    // Makes the rename itself durable; failure here loses nothing already on disk.
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string* error)
{
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec)
        return fail(error, "cannot create " + directory.string(), ec.value());

    std::string pattern = (directory / (file.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, "cannot create a temporary file in " + directory.string(), errno);
    const std::string temporary(name.data());

    if (!writeAll(fd, contents) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return fail(error, "cannot write " + temporary, code);
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return fail(error, "cannot close " + temporary, code);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return fail(error, "cannot replace " + file.string(), code);
    }
    syncDirectory(directory);
    return true;
}

} // namespace platform
