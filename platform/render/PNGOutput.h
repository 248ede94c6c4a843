#pragma once
// Writing rendered pictures as PNG files.
#include "platform/graphics/UIImage.h"

#include <string>

namespace platform {

// Writes `image` (its rendered bitmap) to `path` as PNG, making missing parent directories. False,
// with one debug line, for an empty image or a file that cannot be written.
bool writeImagePNG(const UIImage& image, const std::string& path);

} // namespace platform
