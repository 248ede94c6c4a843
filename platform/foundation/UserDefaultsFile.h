#pragma once
// The on-disk form of a user-defaults store: one JSON object, key to value.

#include "platform/foundation/AnyValue.h"
#include "platform/foundation/FileLock.h"
#include "platform/foundation/Json.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace platform {

struct LoadedDefaults {
    AnyValue::Dictionary values;
    // False when something at the path must not be replaced: a damaged file that could not be
    // moved aside, a file that could not be read, or anything that is not a regular file.
    bool writable = true;
};

// What one holder of a store changed since it last read or wrote the file: a key's new value, or
// nullopt for a key removed.
using DefaultsChanges = std::map<std::string, std::optional<AnyValue>, std::less<>>;

// Largest defaults file that is read; a larger one is no store this process keeps, so none is written.
constexpr std::size_t kMaxDefaultsFileSize = 16 * 1024 * 1024;

// Deepest nesting of a stored value that the file keeps readable (the file's own object is one
// more level).
constexpr std::size_t kMaxDefaultsValueDepth = kMaxJsonDepth - 1;

// Reads `file`. A missing file (or a link to one not made yet) is an empty store. A regular file
// whose bytes are not JSON, or not a JSON object, is damaged: it is renamed to "<name>.corrupt-<n>"
// (the first unused n from 1), one debug line says so, and the store starts empty. Anything else
// at the path is left alone with one debug line (naming the error for a read that failed), and the
// store is empty and not writable, so settings live in memory only: something that is not a
// regular file (or a link to one), a file this process may not read, one over
// kMaxDefaultsFileSize, and a file that failed to read for any other reason (no free descriptor,
// no memory, an I/O error, any error once it was open).
LoadedDefaults loadDefaultsFile(const std::filesystem::path& file);

// Holds the lock every writer of a store takes around its save: "<name>.lock" beside `replaced`, the
// file a write replaces (replacedFile(): through a link, its final target). nullopt, with the reason
// in `error`, when it cannot be taken.
std::optional<FileLock> lockDefaultsFile(const std::filesystem::path& replaced, std::string* error);

// Applies `changes` onto `file` as it is now, read again by loadDefaultsFile()'s rules, and replaces
// it atomically (through a link, its target; keeping the file's permission bits). A damaged file is
// moved aside and `ownValues` (which hold the changes) replace it. Returns the values written, or
// nullopt with one debug line when nothing was written and the previous file is unchanged: a file
// that is left alone on load, text that would be over kMaxDefaultsFileSize, a failed write. Call it
// holding lockDefaultsFile(), when it can be had.
std::optional<AnyValue::Dictionary> saveDefaultsChanges(const std::filesystem::path& file,
                                                        const AnyValue::Dictionary& ownValues,
                                                        const DefaultsChanges& changes);

} // namespace platform
