#include "platform/foundation/EmbeddedFiles.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>

namespace platform {

namespace {

struct Registry {
    std::mutex mutex;
    // Full path ("embedded:/<name>/<relative>") -> bytes; sorted, so a folder's files are adjacent.
    std::map<std::string, std::string_view, std::less<>> files;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// The registered paths below the folder `folder` (normalised): those starting with folder + "/".
template <class Visit>
void forEachBelow(const Registry& files, const std::string& folder, Visit visit)
{
    const std::string prefix = folder + "/";
    for (auto it = files.files.lower_bound(prefix); it != files.files.end() && startsWith(it->first, prefix); ++it) {
        if (!visit(std::string_view(it->first).substr(prefix.size())))
            return;
    }
}

} // namespace

std::string registerEmbeddedFiles(std::string_view name, std::span<const EmbeddedFile> files)
{
    const std::string root = normalizedEmbeddedPath(std::string(kEmbeddedRoot) + std::string(name));
    auto& shared = registry();
    std::lock_guard lock(shared.mutex);
    const std::string prefix = root + "/";
    auto first = shared.files.lower_bound(prefix);
    auto last = first;
    while (last != shared.files.end() && startsWith(last->first, prefix))
        ++last;
    shared.files.erase(first, last);
    for (const auto& file : files)
        shared.files.insert_or_assign(normalizedEmbeddedPath(prefix + std::string(file.path)), file.bytes);
    return root;
}

std::string normalizedEmbeddedPath(std::string_view path)
{
    std::string text = std::filesystem::path(path).lexically_normal().generic_string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

bool isEmbeddedPath(std::string_view path)
{
    return startsWith(normalizedEmbeddedPath(path) + "/", kEmbeddedRoot);
}

EmbeddedEntry embeddedEntry(std::string_view path)
{
    if (!isEmbeddedPath(path))
        return EmbeddedEntry::none;
    const std::string key = normalizedEmbeddedPath(path);
    auto& shared = registry();
    std::lock_guard lock(shared.mutex);
    if (shared.files.find(key) != shared.files.end())
        return EmbeddedEntry::file;
    bool folder = false;
    forEachBelow(shared, key, [&folder](std::string_view) { return !(folder = true); });
    return folder ? EmbeddedEntry::folder : EmbeddedEntry::none;
}

std::optional<std::string_view> embeddedFileBytes(std::string_view path)
{
    if (!isEmbeddedPath(path))
        return std::nullopt;
    auto& shared = registry();
    std::lock_guard lock(shared.mutex);
    auto found = shared.files.find(normalizedEmbeddedPath(path));
    if (found == shared.files.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::string> embeddedSubfolders(std::string_view path)
{
    std::vector<std::string> names;
    if (!isEmbeddedPath(path))
        return names;
    auto& shared = registry();
    std::lock_guard lock(shared.mutex);
    forEachBelow(shared, normalizedEmbeddedPath(path), [&names](std::string_view relative) {
        const auto slash = relative.find('/');
        if (slash != std::string_view::npos && (names.empty() || names.back() != relative.substr(0, slash)))
            names.emplace_back(relative.substr(0, slash));
        return true;
    });
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace platform
