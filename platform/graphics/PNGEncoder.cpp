#include "platform/graphics/PNGEncoder.h"

#include "platform/foundation/DebugLog.h"

#include <cairo.h>

#include <spng.h>
#include <zlib.h>

#include <bit>
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

// Whether every pixel's alpha is 0xff. Two pixels per 64-bit word and two running masks keep the
// scan of a full screen well under the cost of compressing it.
bool isOpaque(const unsigned char* pixels, int stride, int width, int height)
{
    constexpr std::uint64_t kAlphas = 0xff000000ff000000ull;
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = pixels + static_cast<size_t>(y) * stride;
        std::uint64_t even = ~0ull, odd = ~0ull;
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            std::uint64_t first, second;
            std::memcpy(&first, row + 4 * x, 8);
            std::memcpy(&second, row + 4 * x + 8, 8);
            even &= first;
            odd &= second;
        }
        std::uint64_t all = even & odd;
        for (; x < width; ++x) {
            std::uint32_t word;
            std::memcpy(&word, row + 4 * x, 4);
            all &= 0xffffffff00000000ull | word;
        }
        if ((all & kAlphas) != kAlphas)
            return false;
    }
    return true;
}

// One row of opaque ARGB32 words as packed RGB8. `to` holds one byte more than the row: each pixel is
// stored as a whole word whose last byte the next pixel overwrites.
void packOpaqueRow(const unsigned char* from, int width, std::uint8_t* to)
{
    for (int x = 0; x < width; ++x) {
        std::uint32_t word;
        std::memcpy(&word, from + 4 * x, 4);
        if constexpr (std::endian::native == std::endian::little) {
            const std::uint32_t rgb = __builtin_bswap32(word) >> 8; // bytes R, G, B, 0
            std::memcpy(to + 3 * static_cast<size_t>(x), &rgb, 4);
        } else {
            to[3 * x] = static_cast<std::uint8_t>(word >> 16);
            to[3 * x + 1] = static_cast<std::uint8_t>(word >> 8);
            to[3 * x + 2] = static_cast<std::uint8_t>(word);
        }
    }
}

// One row of ARGB32 words as RGBA8 bytes, alpha taken out of the colours.
void packTranslucentRow(const unsigned char* from, int width, std::uint8_t* to)
{
    for (int x = 0; x < width; ++x) {
        std::uint32_t word;
        std::memcpy(&word, from + 4 * x, 4);
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
    // smaller match table than the default is the quickest setting measured for a full screen: a fixed
    // filter (up or sub), a larger or smaller match table, a shorter window or run-length-only matching
    // each cost more time than they save in size, here and through libpng alike.
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_LEVEL, 1);
    spng_set_option(context.get(), SPNG_IMG_MEM_LEVEL, 6);
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_STRATEGY, Z_DEFAULT_STRATEGY);
    spng_set_option(context.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_NONE);
    int error =
        spng_encode_image(context.get(), nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    // Row by row, so the packed pixels stay in the cache while the compressor reads them.
    const size_t rowBytes = (opaque ? 3 : 4) * static_cast<size_t>(width);
    std::vector<std::uint8_t> row(rowBytes + 1);
    for (int y = 0; y < height && error == 0; ++y) {
        const unsigned char* from = pixels + static_cast<size_t>(y) * stride;
        if (opaque)
            packOpaqueRow(from, width, row.data());
        else
            packTranslucentRow(from, width, row.data());
        error = spng_encode_row(context.get(), row.data(), rowBytes);
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
