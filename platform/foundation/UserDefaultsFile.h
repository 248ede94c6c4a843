#pragma once
// The on-disk form of a user-defaults store: one JSON object, key to value.

#include "platform/foundation/AnyValue.h"

#include <filesystem>
#include <optional>

namespace platform {

struct LoadedDefaults {
    AnyValue::Dictionary values;
    // False when a damaged file could not be moved aside: writing would destroy it.
    bool writable = true;
};

// Reads `file`. A missing file is an empty store. A file that cannot be read, is not JSON, or is
// not a JSON object is renamed to "<name>.corrupt-<n>" (the first unused n from 1), one debug line
// says so, and the store starts empty.
LoadedDefaults loadDefaultsFile(const std::filesystem::path& file);

// Replaces `file` atomically with `values` as JSON; logs one line and returns false on failure,
// in which case the previous file is unchanged.
bool saveDefaultsFile(const std::filesystem::path& file, const AnyValue::Dictionary& values);

} // namespace platform
