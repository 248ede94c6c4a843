#include "platform/graphics/BrokenImageFiles.h"

#include <set>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr std::size_t kMaxRemembered = 1024;

std::set<BrokenImageFiles::Identity>& remembered()
{
    // Never destroyed: images may be looked up by objects that die during exit.
    static auto* files = new std::set<BrokenImageFiles::Identity>();
    return *files;
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
    auto& files = remembered();
    if (files.size() >= kMaxRemembered)
        files.clear();
    files.insert(std::move(file));
}

void BrokenImageFiles::resetForTesting()
{
    remembered().clear();
}

} // namespace platform
