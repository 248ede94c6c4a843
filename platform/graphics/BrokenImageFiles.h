#pragma once
// Image files found not to decode (or too large to read), remembered so a broken picture in a
// bundle is read and refused once rather than on every lookup, and files that could not be read,
// remembered so each is named once. A file is known by its path and by what identifies its
// contents on disk (device, inode, size, modification time), so a file replaced or rewritten since
// is read again. Main thread only.

#include <filesystem>
#include <optional>

namespace platform {

class BrokenImageFiles {
public:
    // What identifies one version of one file.
    struct Identity {
        std::filesystem::path path;
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modifiedSeconds = 0;
        long long modifiedNanoseconds = 0;
        auto operator<=>(const Identity&) const = default;
    };

    // The identity of the file at `path` as it is now; nullopt when it cannot be examined.
    static std::optional<Identity> identify(const std::filesystem::path& path);
    static bool contains(const Identity& file);
    // Remembers `file` as broken. The memory holds a bounded number of files; past that it starts
    // again, so at worst a broken file is read once more.
    static void insert(Identity file);
    // Remembers that `file` could not be read; true the first time for this version of it, so the
    // caller names it once. Such a file is still read at every lookup: what kept it from being read
    // (its permissions, the process's free descriptors, an I/O error) may pass while it stays as it is.
    static bool noteUnreadable(Identity file);
    // Forgets every file of both kinds (between tests).
    static void resetForTesting();
};

} // namespace platform
