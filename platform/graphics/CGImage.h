#pragma once
// An immutable bitmap: a cairo image surface in ARGB32 (premultiplied, native-endian words), width and
// height in pixels. Held as CGImagePtr (std::shared_ptr<const CGImage>).

#include "platform/graphics/CGRect.h"
#include "platform/graphics/DrawingLibraryTypes.h"

#include <cstdint>
#include <memory>
#include <ostream>

namespace platform {

// One pixel, 8 bits per channel, alpha not premultiplied.
struct RGBA8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;
    bool operator==(const RGBA8&) const = default;
};
std::ostream& operator<<(std::ostream& out, const RGBA8& pixel);

// The pixel of one ARGB32 word (premultiplied, native-endian) with its alpha taken out of the
// colour channels, rounded to nearest; a fully transparent word gives transparent black.
inline RGBA8 unpremultipliedPixel(std::uint32_t word)
{
    const std::uint32_t a = word >> 24;
    const std::uint32_t r = (word >> 16) & 0xff, g = (word >> 8) & 0xff, b = word & 0xff;
    if (a == 0xff)
        return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 0xff};
    if (a == 0)
        return {};
    auto unpremultiply = [a](std::uint32_t channel) { return static_cast<std::uint8_t>((channel * 255 + a / 2) / a); };
    return {unpremultiply(r), unpremultiply(g), unpremultiply(b), static_cast<std::uint8_t>(a)};
}

class CGImage;
using CGImagePtr = std::shared_ptr<const CGImage>;

class CGImage {
public:
    // Takes over one reference to `surface`. Any image format is accepted; it is converted to ARGB32.
    // Returns nullptr (and releases the reference) for a null surface, a surface in an error state or
    // one with no pixels.
    static CGImagePtr adopt(cairo_surface_t* surface);
    // A copy of the current contents of `surface` (which stays the caller's).
    static CGImagePtr copyOf(cairo_surface_t* surface);

    ~CGImage();
    CGImage(const CGImage&) = delete;
    CGImage& operator=(const CGImage&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    // For drawing from only; its pixels must not be changed.
    cairo_surface_t* surface() const { return m_surface; }
    // The whole bitmap for a host to present or copy: height() rows of bytesPerRow() bytes (at least
    // 4 * width()), each pixel one native-endian 32-bit word 0xAARRGGBB with the colour premultiplied
    // by alpha. Valid while the image lives; never to be written.
    const std::uint8_t* pixelData() const;
    int bytesPerRow() const;
    // The pixel at column x, row y; a transparent black pixel outside the bitmap.
    RGBA8 pixelAt(int x, int y) const;
    // A copy of the pixels in `rect` (pixel coordinates, rounded outward to whole pixels and cut to
    // the bitmap); null when the rectangle is null or does not overlap the bitmap.
    CGImagePtr cropping(const CGRect& rect) const;

private:
    explicit CGImage(cairo_surface_t* surface);
    cairo_surface_t* m_surface;
    int m_width;
    int m_height;
};

} // namespace platform
