#pragma once
// Whole-file replacement that never leaves a half-written file behind: the contents go to a
// temporary file in the same directory, are flushed to disk, and then renamed over the target.
// A crash or failure at any point leaves either the old file or the new one, never a mix.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Temporary files that writers killed mid-save left next to `file` are removed first (where the
// file system keeps locks: a live writer's temporary file is told by its lock). Creates missing
// parent directories. A `file` that is a symbolic link is replaced at the link's final target,
// which is created when it does not exist yet (the link stays a link; a link that loops is a
// failure). A file that exists keeps its owner and group (as far as this process may give them)
// and its permission bits, less set-user-ID, set-group-ID and sticky; a new one is readable and
// writable by its owner only.
// The temporary file is locked until the rename; where the file system keeps no locks, it is
// written unlocked, as no cleaner can lock it either.
// On failure returns false, leaves the old file untouched, removes the temporary file and
// describes the failure in `error` (when given).
bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string* error = nullptr);

// The file a write to `file` replaces: `file` itself, or the final target of a link (its real path,
// or when it does not exist yet its folder's and its name); nullopt (with the reason in `error`,
// when given) for a link that loops or cannot be read.
std::optional<std::filesystem::path> replacedFile(const std::filesystem::path& file, std::string* error = nullptr);

} // namespace platform
