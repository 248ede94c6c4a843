#pragma once
// Files compiled into the program and read from memory: each registered tree lies under a root
// "embedded:/<name>" that names no place on disk. Bundles and readWholeFile() serve such paths
// like any other, so a library can carry its resources wherever it is installed.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The prefix of every path served from memory.
inline constexpr std::string_view kEmbeddedRoot = "embedded:/";

struct EmbeddedFile {
    std::string_view path;  // relative to the tree's root, folders separated by '/'
    std::string_view bytes; // the whole file
};

// Makes `files` readable under "embedded:/<name>" and returns that root. Nothing is copied: the
// table and its bytes must live as long as the process (static data). Registering a name again
// replaces its files.
std::string registerEmbeddedFiles(std::string_view name, std::span<const EmbeddedFile> files);

// Whether `path` lies under kEmbeddedRoot (once ".." and "." are resolved).
bool isEmbeddedPath(std::string_view path);
// `path` with "." and ".." resolved and no trailing '/': the one spelling of an embedded path.
std::string normalizedEmbeddedPath(std::string_view path);

enum class EmbeddedEntry { none, file, folder };
// What `path` names among the registered files; a folder is any prefix of a file's path.
EmbeddedEntry embeddedEntry(std::string_view path);
// The bytes of the registered file `path`; nullopt for a folder or nothing.
std::optional<std::string_view> embeddedFileBytes(std::string_view path);
// Names of the folders directly inside the registered folder `path`, sorted.
std::vector<std::string> embeddedSubfolders(std::string_view path);

} // namespace platform
