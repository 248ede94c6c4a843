#include "platform/foundation/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
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

constexpr std::string_view kTemporaryTail = ".tmp-XXXXXX";

// Links followed on the way to a file before it counts as a loop (the kernel's own limit).
constexpr int kMaxLinkHops = 40;

// Whether `fd` is still the file at `path` (a cleaner may remove a temporary file between its
// creation and its lock).
bool isFileAt(int fd, const std::string& path)
{
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// How long a temporary file beside the target may go unchanged before it counts as abandoned: a
// writer at work renames its file well within it. A writer stopped longer loses its file (where it
// holds no lock on it) and its rename fails; the caller keeps the change for its next save.
constexpr std::chrono::seconds kAbandonedAfter{60};

std::chrono::nanoseconds sinceEpoch(const struct timespec& time)
{
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

// Removes temporary files of `fileName` in `directory` (`own` apart) that writers left behind: those
// whose time stamp lies over kAbandonedAfter from `now`, the file system's own time (a network
// server's clock may differ from this process's), either way (a clock set back, a file copied with
// its times), that no live writer holds locked. Age alone tells them where locks fail; a younger
// file may be a writer's at work, locked or not, and stays.
void removeAbandonedTemporaries(const std::filesystem::path& directory, const std::string& fileName,
                                const std::string& own, const struct timespec& now)
{
    const std::string prefix = fileName + std::string(kTemporaryTail.substr(0, 5));
    const std::size_t length = fileName.size() + kTemporaryTail.size();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        const std::string name = it->path().filename().string();
        if (name.size() != length || name.compare(0, prefix.size(), prefix) != 0 || path == own)
            continue;
        // Only a regular file is opened: opening a FIFO releases a writer blocked on it, opening a
        // device may act on it. Should something else take the name before the open, the open
        // neither follows a link nor waits, and the same file must be found open.
        struct stat named {
        }, opened{};
        if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
            std::chrono::abs(sinceEpoch(now) - sinceEpoch(named.st_mtim)) <= kAbandonedAfter)
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A shared lock is refused while a writer holds its exclusive one, and needs no descriptor
        // open for writing where flock is a byte-range lock (a network mount): a temporary that took
        // a read-only file's permission bits cannot be opened for writing.
        if (::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino &&
            (::flock(fd, LOCK_SH | LOCK_NB) == 0 || errno != EWOULDBLOCK) && isFileAt(fd, path))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

// Removes the temporary file `fd` was made as, unless something else has taken its name since.
void removeIfStillAt(int fd, const std::string& path)
{
    if (isFileAt(fd, path))
        ::unlink(path.c_str());
}

// A new temporary file next to `file`, locked where the file system keeps locks; -1 (errno set) on
// failure. Its name goes to `name`. Where a lock cannot be had, the file is safe from other writers'
// cleaners while it is young; an earlier version of this code removes any unlocked one, hence the
// check that it is still the file at its name once locked.
int createTemporary(const std::filesystem::path& directory, const std::filesystem::path& file, std::string& name)
{
    const std::string pattern = (directory / (file.filename().string() + std::string(kTemporaryTail))).string();
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        name = buffer.data();
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR)
            continue;
        if (isFileAt(fd, name))
            return fd;
        ::close(fd); // taken away by a cleaner in another process before it was locked
    }
    errno = EAGAIN;
    return -1;
}

// Gives the temporary file the owner, group and permission bits of the file it replaces, when
// there is one. An owner this process may not give stays its own; set-user-ID, set-group-ID and
// sticky bits are never carried over.
bool keepOwnerAndPermissions(int fd, const std::filesystem::path& file)
{
    struct stat info {};
    struct stat fresh {};
    if (::stat(file.c_str(), &info) != 0)
        return errno == ENOENT;
    if (::fstat(fd, &fresh) == 0 && (fresh.st_uid != info.st_uid || fresh.st_gid != info.st_gid)) {
        [[maybe_unused]] const int ignored = ::fchown(fd, info.st_uid, info.st_gid);
    }
    return ::fchmod(fd, info.st_mode & 0777) == 0;
}

} // namespace

std::optional<std::filesystem::path> replacedFile(const std::filesystem::path& file, std::string* error)
{
    namespace fs = std::filesystem;
    auto refuse = [&](const std::string& what, int code) {
        fail(error, what, code);
        return std::nullopt;
    };
    auto cannotFollow = [&](int code) { return refuse("cannot follow the link " + file.string(), code); };
    // Followed link by link, as the final target may not exist yet (a first save creates it).
    std::error_code ec;
    fs::path target = file;
    int hops = 0;
    for (; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == kMaxLinkHops)
            return cannotFollow(ELOOP);
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return cannotFollow(ec.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    if (const fs::file_status status = fs::symlink_status(target, ec); fs::exists(status)) {
        fs::path real = hops == 0 ? file : fs::canonical(target, ec);
        if (ec)
            return cannotFollow(ec.value());
        // A folder, a FIFO or a device is no file a write replaces (nothing is made beside it).
        if (!fs::is_regular_file(status)) {
            if (error)
                *error = real.string() + " is not a regular file";
            return std::nullopt;
        }
        return real;
    }
    // Not made yet: its folder is made, then resolved on disk as the kernel resolves the path (as
    // text, "nodir/.." would be tidied away, where the kernel stops at the missing "nodir").
    const fs::path name = target.filename();
    if (name.empty() || name == "." || name == "..") {
        if (error)
            *error = target.string() + " names a folder, not a file";
        return std::nullopt;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
    fs::create_directories(folder, ec);
    if (ec)
        return refuse("cannot create " + folder.string(), ec.value());
    if (hops == 0)
        return file;
    const fs::path real = fs::canonical(folder, ec);
    if (ec)
        return cannotFollow(ec.value());
    return real / name;
}

bool writeFileAtomically(const std::filesystem::path& requested, std::string_view contents, std::string* error)
{
    const std::optional<std::filesystem::path> target = replacedFile(requested, error);
    if (!target)
        return false;
    const std::filesystem::path& file = *target;
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    std::string temporary;
    const int fd = createTemporary(directory, file, temporary);
    if (fd < 0)
        return fail(error, "cannot create a temporary file in " + directory.string(), errno);
    // The fresh file's time stamp is the file system's "now", which others' ages are measured from.
    struct stat fresh {};
    if (::fstat(fd, &fresh) == 0)
        removeAbandonedTemporaries(directory, file.filename().string(), temporary, fresh.st_mtim);

    // Where locks work, the lock is held until the rename, so no cleaner takes the file while it is
    // being written, however long that takes.
    if (!keepOwnerAndPermissions(fd, file) || !writeAll(fd, contents) || ::fsync(fd) != 0) {
        const int code = errno;
        removeIfStillAt(fd, temporary);
        ::close(fd);
        return fail(error, "cannot write " + temporary, code);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int code = errno;
        removeIfStillAt(fd, temporary);
        ::close(fd);
        return fail(error, "cannot replace " + file.string(), code);
    }
    ::close(fd); // the contents are already on disk (fsync above)
    syncDirectory(directory);
    return true;
}

} // namespace platform
