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

std::vector<std::string> bundleSearchPaths(const char* overridePath, const std::vector<std::string>& defaults)
{
    if (overridePath && *overridePath)
        return {overridePath};
    std::vector<std::string> places;
    for (const auto& place : defaults) {
        if (!place.empty())
            places.push_back(place);
    }
    return places;
}

BundleLookup lookUpBundle(const std::vector<std::string>& places)
{
    BundleLookup lookup;
    std::string looked;
    for (const auto& place : places) {
        std::string reason = unusableBecause(place);
        if (reason.empty()) {
            lookup.path = place;
            lookup.found = true;
            return lookup;
        }
        looked += (looked.empty() ? "" : "; ") + place + " (" + reason + ")";
    }
    lookup.path = places.empty() ? std::string() : places.front();
    lookup.problem = places.empty() ? "no place to look in" : "looked in " + looked;
    return lookup;
}

} // namespace platform
