#pragma once
// The framework bundle compiled into the library: every file of resources/TavroMerchantSDK.bundle,
// turned into a table by the build, so the library finds its strings and images wherever it is
// installed.

#include "platform/foundation/EmbeddedFiles.h"

#include <span>

namespace tavro {

// The bundle's name, and so its root: "embedded:/TavroMerchantSDK.bundle".
inline constexpr const char* kBuiltInBundleName = "TavroMerchantSDK.bundle";

// Every file of the bundle with its path inside it. Defined by the source the build generates.
std::span<const platform::EmbeddedFile> builtInBundleFiles();

} // namespace tavro
