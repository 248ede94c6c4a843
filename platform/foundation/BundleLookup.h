#pragma once
// Where the framework's resource bundle is looked for, and which of those places is used.

#include <string>
#include <vector>

namespace platform {

// The places to look, in order. A non-empty `overridePath` (the TAVRO_BUNDLE_PATH environment
// variable) is the host's explicit choice and the only place; otherwise `defaults` (the install
// location, then the source tree of a build that was never installed), skipping empty ones.
std::vector<std::string> bundleSearchPaths(const char* overridePath, const std::vector<std::string>& defaults);

struct BundleLookup {
    // The first place that is a readable directory; when none is, the first place (or "").
    std::string path;
    bool found = false;
    // When nothing was found: every place looked in and what was wrong with it, as one line.
    std::string problem;
};

// Looks through `places` in order (see BundleLookup). Touches only the file system; logs nothing.
BundleLookup lookUpBundle(const std::vector<std::string>& places);

} // namespace platform
