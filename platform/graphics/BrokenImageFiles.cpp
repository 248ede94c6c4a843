#include "platform/graphics/BrokenImageFiles.h"

#include <set>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr std::size_t kMaxRemembered = 1024;

using Files = std::set<BrokenImageFiles::Identity>;

Files& remembered()
{
    // Never destroyed: images may be looked up by objects that die during exit.
    static auto* files = new Files();
    return *files;
}

Files& unreadable()
{
    static auto* files = new Files();
    return *files;
}

// Adds `file` to `files`, starting again once the bound is reached; true when it was not there.
bool insertBounded(Files& files, BrokenImageFiles::Identity file)
{
    if (files.size() >= kMaxRemembered)
        files.clear();
    return files.insert(std::move(file)).second;
}

} // namespace

std::optional<BrokenImageFiles::Identity> BrokenImageFiles::identify(const std::filesystem::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return Identity{path,
                    static_cast<unsigned long long>(info.st_dev),
                    static_cast<unsigned long long>(info.st_ino),
                    static_cast<long long>(info.st_size),
                    static_cast<long long>(info.st_mtim.tv_sec),
                    static_cast<long long>(info.st_mtim.tv_nsec)};
}

bool BrokenImageFiles::contains(const Identity& file)
{
    return remembered().count(file) != 0;
}

void BrokenImageFiles::insert(Identity file)
{
    insertBounded(remembered(), std::move(file));
}

bool BrokenImageFiles::noteUnreadable(Identity file)
{
    return insertBounded(unreadable(), std::move(file));
}

void BrokenImageFiles::resetForTesting()
{
    remembered().clear();
    unreadable().clear();
}

} // namespace platform
