#include "platform/render/PNGOutput.h"

#include "platform/foundation/DebugLog.h"

#include <filesystem>
#include <system_error>

namespace platform {

bool writeImagePNG(const UIImage& image, const std::string& path)
{
    if (image.isEmpty()) {
        debugLog("Renderer: no picture to write to " + path);
        return false;
    }
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(parent, ignored);
    }
    return image.writePNG(path);
}

} // namespace platform
