#include "platform/graphics/PNGEncoder.h"

#include "platform/foundation/DebugLog.h"

#include <spng.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct SpngContextDeleter {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

bool isOpaque(const unsigned char* pixels, int stride, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = pixels + static_cast<size_t>(y) * stride;
        std::uint32_t all = 0xffffffffu;  // a branch-free row loop the compiler can vectorise
        for (int x = 0; x < width; ++x) {
            std::uint32_t word;
            std::memcpy(&word, row + 4 * x, 4);
            all &= word;
        }
        if ((all >> 24) != 0xff)
            return false;
    }
    return true;
}

// One row of ARGB32 words as packed RGB8 (opaque) or RGBA8 bytes, alpha taken out of the colours.
void packRow(const unsigned char* from, int width, bool opaque, std::uint8_t* to)
{
    for (int x = 0; x < width; ++x) {
        std::uint32_t word;
        std::memcpy(&word, from + 4 * x, 4);
        if (opaque) {
            *to++ = static_cast<std::uint8_t>(word >> 16);
            *to++ = static_cast<std::uint8_t>(word >> 8);
            *to++ = static_cast<std::uint8_t>(word);
            continue;
        }
        const RGBA8 pixel = unpremultipliedPixel(word);
        *to++ = pixel.r;
        *to++ = pixel.g;
        *to++ = pixel.b;
        *to++ = pixel.a;
    }
}

} // namespace

std::string encodePNG(const CGImage& image)
{
    const int width = image.width();
    const int height = image.height();
    cairo_surface_t* surface = image.surface();
    cairo_surface_flush(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool opaque = isOpaque(pixels, stride, width, height);

    std::unique_ptr<spng_ctx, SpngContextDeleter> context(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!context) {
        debugLog("PNG: no encoder");
        return {};
    }
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(width);
    header.height = static_cast<std::uint32_t>(height);
    header.bit_depth = 8;
    header.color_type = opaque ? SPNG_COLOR_TYPE_TRUECOLOR : SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    spng_set_ihdr(context.get(), &header);
    spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
    // Screens and artwork are mostly runs of a few colours. The fastest level on unfiltered rows with a
    // smaller match table than the default keeps a full screen to a few milliseconds; filtering costs
    // more time than it saves in size here, and run-length-only matching gives larger files no faster.
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_LEVEL, 1);
    spng_set_option(context.get(), SPNG_IMG_MEM_LEVEL, 6);
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_STRATEGY, Z_DEFAULT_STRATEGY);
    spng_set_option(context.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_NONE);
    int error = spng_encode_image(context.get(), nullptr, 0, SPNG_FMT_PNG,
                                  SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    // Row by row, so the packed pixels stay in the cache while the compressor reads them.
    std::vector<std::uint8_t> row((opaque ? 3 : 4) * static_cast<size_t>(width));
    for (int y = 0; y < height && error == 0; ++y) {
        packRow(pixels + static_cast<size_t>(y) * stride, width, opaque, row.data());
        error = spng_encode_row(context.get(), row.data(), row.size());
    }
    if (error == SPNG_EOI)
        error = 0;
    size_t length = 0;
    void* bytes = error == 0 ? spng_get_png_buffer(context.get(), &length, &error) : nullptr;
    if (!bytes) {
        debugLog(std::string("PNG: could not encode the image: ") + spng_strerror(error));
        return {};
    }
    std::string png(static_cast<const char*>(bytes), length);
    std::free(bytes);
    return png;
}

} // namespace platform
