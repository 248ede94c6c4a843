#pragma once
// Which bundle serves the framework's resources: the one compiled in, unless the host names a
// directory of its own.

#include <string>

namespace platform {

struct BundleLookup {
    // The directory (or "embedded:/" root) that serves.
    std::string path;
    // Why the host's directory was passed over, as one line; empty when it was not.
    std::string problem;
};

// A non-empty `overridePath` (the TAVRO_BUNDLE_PATH environment variable) when it is a readable
// directory; otherwise `builtIn`, with the reason when an override was given. Touches only the
// file system; logs nothing.
BundleLookup lookUpFrameworkBundle(const char* overridePath, const std::string& builtIn);

} // namespace platform
