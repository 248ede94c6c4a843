#include "platform/foundation/BundleLookup.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace platform {

namespace {

// Why `path` cannot serve as a bundle; empty when it can.
std::string unusableBecause(const std::string& path)
{
    std::error_code error;
    if (!fs::is_directory(path, error))
        return fs::exists(path, error) ? "not a directory" : "missing";
    fs::directory_iterator listing(path, error);
    if (error)
        return "cannot be read: " + error.message();
    return {};
}

} // namespace

BundleLookup lookUpFrameworkBundle(const char* overridePath, const std::string& builtIn)
{
    if (!overridePath || !*overridePath)
        return {builtIn, {}};
    std::string reason = unusableBecause(overridePath);
    if (reason.empty())
        return {overridePath, {}};
    return {builtIn, "TAVRO_BUNDLE_PATH=" + std::string(overridePath) + " (" + reason +
                         ") is not a readable directory; the built-in bundle serves"};
}

} // namespace platform
