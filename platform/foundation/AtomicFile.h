#pragma once
// Whole-file replacement that never leaves a half-written file behind: the contents go to a
// temporary file in the same directory, are flushed to disk, and then renamed over the target.
// A crash or failure at any point leaves either the old file or the new one, never a mix.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Temporary files that writers killed mid-save left next to `file` are removed: regular files whose
// time stamp lies over a minute from the file system's clock, either way, that no live writer holds
// locked (a younger one may be another writer's at work, with or without a lock; one stopped longer
// without a lock loses its file and fails at the rename); nothing else carrying such a name is
// opened. Creates missing parent directories. A `file` that is a symbolic link is replaced at the
// link's final target, which is created when it does not exist yet (the link stays a link; see
// replacedFile()). A file that exists keeps its owner and group (as far as this process may give
// them) and its permission bits, less set-user-ID, set-group-ID and sticky; a new one is readable
// and writable by its owner only.
// The temporary file is locked until the rename, where the file system keeps locks.
// On failure returns false, leaves the old file untouched, removes the temporary file and
// describes the failure in `error` (when given).
bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string* error = nullptr);

// The file a write to `file` replaces: `file` itself, or the final target of a link (its real path).
// A file not made yet has its folder made first, and a link's target is that folder's real path and
// its name, where the kernel's next open of the link finds it. nullopt (with the reason in `error`,
// when given) for a link that loops or cannot be read, a final name that is empty, "." or ".."
// or a file that exists but is not a regular file (nothing is made), or a folder that cannot be
// made (folders made on the way stay).
std::optional<std::filesystem::path> replacedFile(const std::filesystem::path& file, std::string* error = nullptr);

} // namespace platform
