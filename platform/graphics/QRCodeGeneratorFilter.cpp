#include "platform/graphics/QRCodeGeneratorFilter.h"

#include "platform/graphics/QREncoder.h"

#include <cairo.h>

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

constexpr int kQuietZone = 1;
constexpr std::uint32_t kDark = 0xff000000;
constexpr std::uint32_t kLight = 0xffffffff;

std::optional<QRErrorCorrection> levelFromText(const std::string& level)
{
    if (level == "L")
        return QRErrorCorrection::low;
    if (level == "M")
        return QRErrorCorrection::medium;
    if (level == "Q")
        return QRErrorCorrection::quartile;
    if (level == "H")
        return QRErrorCorrection::high;
    return std::nullopt;
}

CGImagePtr moduleBitmap(const QRSymbol& symbol)
{
    int modules = symbol.size;
    int side = modules + 2 * kQuietZone;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < side; ++x) {
            int mx = x - kQuietZone;
            int my = y - kQuietZone;
            bool inside = mx >= 0 && my >= 0 && mx < modules && my < modules;
            std::uint32_t pixel = (inside && symbol.isDark(mx, my)) ? kDark : kLight;
            std::memcpy(row + x, &pixel, sizeof pixel);
        }
    }
    cairo_surface_mark_dirty(surface);
    return CGImage::adopt(surface);
}

} // namespace

QRCodeGeneratorFilter::QRCodeGeneratorFilter() : CIFilter(kName)
{
    declareInput(kInputMessage, std::nullopt);
    declareInput(kInputCorrectionLevel, std::string("M"));
}

bool QRCodeGeneratorFilter::accepts(const std::string& key, const std::string& value) const
{
    if (key == kInputCorrectionLevel)
        return levelFromText(value).has_value();
    return true;
}

CIImagePtr QRCodeGeneratorFilter::outputImage() const
{
    std::optional<std::string> message = value(kInputMessage);
    if (!message || message->empty())
        return nullptr;
    std::optional<QRErrorCorrection> level = levelFromText(value(kInputCorrectionLevel).value_or("M"));
    if (!level)
        return nullptr;
    std::optional<QRSymbol> symbol = encodeQRSymbol(*message, *level);
    if (!symbol)
        return nullptr;
    return CIImage::fromBitmap(moduleBitmap(*symbol));
}

} // namespace platform
