#pragma once
// Reading a whole file into memory.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The bytes of `file`; nullopt when it is missing, not a regular file, or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

} // namespace platform
