#include "platform/graphics/PNGDecoder.h"

#include "platform/graphics/BitmapLimits.h"

#include <spng.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct SpngContextDeleter {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// `color` scaled by `alpha` / 255, rounded as the drawing library rounds, so that writing a bitmap
// and reading it back gives the same words.
std::uint32_t premultiplied(std::uint32_t alpha, std::uint32_t color)
{
    std::uint32_t product = alpha * color + 0x80;
    return (product + (product >> 8)) >> 8;
}

} // namespace

CGImagePtr decodePNG(std::string_view bytes, std::string* problem)
{
    auto fail = [problem](std::string why) -> CGImagePtr {
        if (problem)
            *problem = std::move(why);
        return nullptr;
    };
    std::unique_ptr<spng_ctx, SpngContextDeleter> context(spng_ctx_new(0));
    if (!context)
        return fail("no decoder");
    spng_set_png_buffer(context.get(), bytes.data(), bytes.size());
    spng_ihdr header{};
    if (int error = spng_get_ihdr(context.get(), &header))
        return fail(std::string("not PNG data (") + spng_strerror(error) + ")");
    if (auto tooLarge = bitmapSizeProblem(header.width, header.height))
        return fail(*tooLarge);
    size_t size = 0;
    if (int error = spng_decoded_image_size(context.get(), SPNG_FMT_RGBA8, &size))
        return fail(std::string("not PNG data (") + spng_strerror(error) + ")");
    std::vector<std::uint8_t> rgba(size);
    if (int error = spng_decode_image(context.get(), rgba.data(), rgba.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS))
        return fail(std::string("damaged PNG data (") + spng_strerror(error) + ")");

    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return fail("no memory for the bitmap");
    }
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const std::uint8_t* from = rgba.data();
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x, from += 4) {
            const std::uint32_t a = from[3];
            std::uint32_t word = a << 24;
            if (a == 0xff)
                word |= std::uint32_t(from[0]) << 16 | std::uint32_t(from[1]) << 8 | from[2];
            else if (a != 0)
                word |= premultiplied(a, from[0]) << 16 | premultiplied(a, from[1]) << 8 | premultiplied(a, from[2]);
            std::memcpy(row + 4 * x, &word, 4);
        }
    }
    cairo_surface_mark_dirty(surface);
    return CGImage::adopt(surface);
}

} // namespace platform
