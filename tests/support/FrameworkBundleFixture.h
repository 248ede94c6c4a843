#pragma once
// Points the framework's text lookups at a throw-away bundle with the given strings table, and
// back at the real framework bundle when it goes.

#include "TavroMerchantSDK/support/FrameworkBundle.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace tavro::testing {

class ScopedFrameworkStrings {
public:
    explicit ScopedFrameworkStrings(const std::string& stringsFile)
    {
        // Bundles are opened once per directory, so every instance gets a directory of its own.
        static std::atomic<int> serial{0};
        m_dir = std::filesystem::temp_directory_path() /
                ("tavro-strings-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".bundle");
        std::filesystem::create_directories(m_dir / "en.lproj");
        std::ofstream(m_dir / "en.lproj" / "Localizable.strings") << stringsFile;
        platform::Bundle::registerClassBundle(kFrameworkBundleAnchorClassName,
                                              platform::Bundle::forPath(m_dir.string()));
    }
    ~ScopedFrameworkStrings()
    {
        platform::Bundle::registerClassBundle(kFrameworkBundleAnchorClassName, nullptr);
        std::filesystem::remove_all(m_dir);
    }
    ScopedFrameworkStrings(const ScopedFrameworkStrings&) = delete;
    ScopedFrameworkStrings& operator=(const ScopedFrameworkStrings&) = delete;

private:
    std::filesystem::path m_dir;
};

} // namespace tavro::testing
