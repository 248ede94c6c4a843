#pragma once
// The on-disk form of a user-defaults store: one JSON object, key to value.

#include "platform/foundation/AnyValue.h"
#include "platform/foundation/Json.h"

#include <filesystem>
#include <optional>

namespace platform {

struct LoadedDefaults {
    AnyValue::Dictionary values;
    // False when something at the path must not be replaced: a damaged file that could not be
    // moved aside, a file that could not be read, or anything that is not a regular file.
    bool writable = true;
};

// Largest defaults file that is read; a larger one is no store this process keeps.
constexpr std::size_t kMaxDefaultsFileSize = 16 * 1024 * 1024;

// Deepest nesting of a stored value that the file keeps readable (the file's own object is one
// more level).
constexpr std::size_t kMaxDefaultsValueDepth = kMaxJsonDepth - 1;

// Reads `file`. A missing file is an empty store. A regular file whose bytes are not JSON, or not a
// JSON object, is damaged: it is renamed to "<name>.corrupt-<n>" (the first unused n from 1), one
// debug line says so, and the store starts empty. Anything else at the path is left alone with one
// debug line (naming the error for a read that failed), and the store is empty and not writable,
// so settings live in memory only: something that is not a regular file (or a link to one), a
// file this process may not read, one over kMaxDefaultsFileSize, and a file that failed to read
// for any other reason (no free descriptor, no memory, an I/O error).
LoadedDefaults loadDefaultsFile(const std::filesystem::path& file);

// Replaces `file` atomically with `values` as JSON (through a link, its target; keeping the
// file's permission bits); logs one line and returns false on failure (including something that
// is not a regular file at the path, which is left alone), in which case the previous file is
// unchanged.
bool saveDefaultsFile(const std::filesystem::path& file, const AnyValue::Dictionary& values);

} // namespace platform
