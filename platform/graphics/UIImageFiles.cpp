// PNG decoding and encoding, and the named lookup in a bundle directory.
#include "platform/graphics/UIImage.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/FileContents.h"
#include "platform/graphics/BitmapLimits.h"
#include "platform/graphics/BrokenImageFiles.h"
#include "platform/graphics/PNGDecoder.h"
#include "platform/graphics/PNGEncoder.h"

#include <filesystem>
#include <fstream>

namespace platform {

namespace {

// "icon@2x" -> 2; anything else -> 1.
double scaleFromFileStem(const std::string& stem)
{
    size_t at = stem.rfind('@');
    if (at == std::string::npos || stem.size() != at + 3 || stem[at + 2] != 'x')
        return 1.0;
    char digit = stem[at + 1];
    return (digit >= '1' && digit <= '9') ? double(digit - '0') : 1.0;
}

// Names a file that could not be read, once per version of it.
void reportUnreadable(const std::filesystem::path& path, const std::optional<BrokenImageFiles::Identity>& identity,
                      FileReadFailure failure, int errorNumber)
{
    // A file that cannot even be examined is known by its path alone.
    if (!BrokenImageFiles::noteUnreadable(identity ? *identity : BrokenImageFiles::Identity{path}))
        return;
    debugLog("UIImage: " + path.string() + " cannot be read (" +
             readFailureReason(failure, errorNumber, kMaxImageFileSize) + "); it is not drawn");
}

// A missing file gives nullptr silently. One that does not decode, or is larger than
// kMaxImageFileSize, gives nullptr with one debug line, the first time only: it is not read again
// until it changes. One that cannot be read otherwise gives nullptr, named once per version of it.
UIImagePtr loadFile(const std::filesystem::path& path, double scale)
{
    const std::optional<BrokenImageFiles::Identity> identity = BrokenImageFiles::identify(path);
    if (identity && BrokenImageFiles::contains(*identity))
        return nullptr;
    FileReadFailure failure = FileReadFailure::unreadable;
    int errorNumber = 0;
    std::optional<std::string> bytes = readWholeFile(path, kMaxImageFileSize, &failure, &errorNumber);
    if (!bytes) {
        if (failure == FileReadFailure::tooLarge) {
            debugLog("UIImage: " + path.string() + " is larger than " +
                     std::to_string(kMaxImageFileSize / (1024 * 1024)) + " MiB; it is not drawn");
            if (identity)
                BrokenImageFiles::insert(*identity);
        } else if (failure != FileReadFailure::missing) {
            reportUnreadable(path, identity, failure, errorNumber);
        }
        return nullptr;
    }
    std::string problem;
    UIImagePtr image = UIImage::fromCGImage(decodePNG(*bytes, &problem), scale);
    if (!image) {
        debugLog("UIImage: " + path.string() + " is not a readable PNG image: " + problem);
        if (identity)
            BrokenImageFiles::insert(*identity);
    }
    return image;
}

} // namespace

UIImagePtr UIImage::fromPNGData(std::string_view bytes, double scale)
{
    std::string problem;
    UIImagePtr image = fromCGImage(decodePNG(bytes, &problem), scale);
    if (!image)
        debugLog("UIImage: PNG data could not be decoded: " + problem);
    return image;
}

UIImagePtr UIImage::contentsOfFile(const std::string& path)
{
    std::filesystem::path file(path);
    return loadFile(file, scaleFromFileStem(file.stem().string()));
}

UIImagePtr UIImage::named(const std::string& name, const std::string& bundleDirectory, double screenScale)
{
    std::string base = name;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".png") == 0)
        base.resize(base.size() - 4);
    if (base.empty() || bundleDirectory.empty())
        return nullptr;

    std::filesystem::path directory(bundleDirectory);
    for (int s : Bundle::imageScaleSearchOrder(screenScale)) {
        std::string fileName = s == 1 ? base + ".png" : base + "@" + std::to_string(s) + "x.png";
        std::filesystem::path path = directory / fileName;
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        return loadFile(path, s);
    }
    return nullptr;
}

UIImagePtr UIImage::named(const std::string& name, const Bundle& bundle, double screenScale)
{
    if (name.empty())
        return nullptr;
    std::optional<Bundle::ImageFile> file = bundle.pathForImage(name, screenScale);
    if (!file)
        return nullptr;
    return loadFile(file->path, file->scale);
}

std::optional<std::string> UIImage::pngData() const
{
    CGImagePtr bitmap = renderedBitmap();
    if (!bitmap)
        return std::nullopt;
    std::string png = encodePNG(*bitmap);
    if (png.empty())
        return std::nullopt;
    return png;
}

bool UIImage::writePNG(const std::string& path) const
{
    std::optional<std::string> bytes = pngData();
    if (!bytes) {
        debugLog("UIImage: no pixels to write to " + path);
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    out.close();
    if (!out) {
        debugLog("UIImage: could not write " + path);
        return false;
    }
    return true;
}

} // namespace platform
