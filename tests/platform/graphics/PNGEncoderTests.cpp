#include "platform/graphics/PNGDecoder.h"
#include "platform/graphics/PNGEncoder.h"

#include <gtest/gtest.h>
#include <cairo.h>
#include <spng.h>

#include <cstring>
#include <random>
#include <vector>

using namespace platform;

namespace {

// A bitmap of valid premultiplied pixels from `pixel(x, y)` (returns 0xAARRGGBB, premultiplied).
template <class PixelFunction>
CGImagePtr makeBitmap(int width, int height, PixelFunction pixel)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t word = pixel(x, y);
            std::memcpy(data + y * stride + 4 * x, &word, 4);
        }
    cairo_surface_mark_dirty(surface);
    return CGImage::adopt(surface);
}

// The bitmap that the drawing library's own PNG reader makes of `png`, an independent reference.
CGImagePtr referenceDecode(const std::string& png)
{
    struct Cursor {
        const std::string* bytes;
        size_t offset = 0;
    } cursor{&png};
    auto read = [](void* closure, unsigned char* data, unsigned int length) {
        auto* c = static_cast<Cursor*>(closure);
        if (c->bytes->size() - c->offset < length)
            return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, c->bytes->data() + c->offset, length);
        c->offset += length;
        return CAIRO_STATUS_SUCCESS;
    };
    return CGImage::adopt(cairo_image_surface_create_from_png_stream(read, &cursor));
}

int differingRows(const CGImage& image, const CGImage& back)
{
    const unsigned char* a = cairo_image_surface_get_data(image.surface());
    const unsigned char* b = cairo_image_surface_get_data(back.surface());
    int strideA = cairo_image_surface_get_stride(image.surface());
    int strideB = cairo_image_surface_get_stride(back.surface());
    int differences = 0;
    for (int y = 0; y < image.height(); ++y)
        differences += std::memcmp(a + y * strideA, b + y * strideB, static_cast<size_t>(image.width()) * 4) != 0;
    return differences;
}

// Decodes with the reference reader and with ours, and compares every premultiplied word.
void expectRoundTrip(const CGImage& image, int expectedColorType)
{
    std::string png = encodePNG(image);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png[25], expectedColorType);
    CGImagePtr ours = decodePNG(png);
    ASSERT_TRUE(ours);
    ASSERT_EQ(ours->width(), image.width());
    EXPECT_EQ(differingRows(image, *ours), 0) << "rows that differ after our decoder";
    CGImagePtr reference = referenceDecode(png);
    ASSERT_TRUE(reference);
    const CGImage& back = *reference;
    ASSERT_EQ(back.width(), image.width());
    ASSERT_EQ(back.height(), image.height());
    EXPECT_EQ(differingRows(image, back), 0) << "rows that differ after the reference decoder";
}

// A PNG file of the given layout holding `samples` as they are stored (big-endian for 16 bits).
std::string writeRaw(int width, int height, int colorType, int bitDepth, const std::vector<std::uint8_t>& samples,
                     const std::vector<spng_plte_entry>& palette = {}, const spng_trns* transparency = nullptr)
{
    spng_ctx* context = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_ihdr header{static_cast<std::uint32_t>(width),
                     static_cast<std::uint32_t>(height),
                     static_cast<std::uint8_t>(bitDepth),
                     static_cast<std::uint8_t>(colorType),
                     0,
                     0,
                     0};
    spng_set_ihdr(context, &header);
    if (!palette.empty()) {
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(palette.size());
        std::copy(palette.begin(), palette.end(), plte.entries);
        spng_set_plte(context, &plte);
    }
    if (transparency)
        spng_set_trns(context, const_cast<spng_trns*>(transparency));
    spng_set_option(context, SPNG_ENCODE_TO_BUFFER, 1);
    int error = spng_encode_image(context, samples.data(), samples.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    size_t length = 0;
    void* bytes = error ? nullptr : spng_get_png_buffer(context, &length, &error);
    std::string png = bytes ? std::string(static_cast<const char*>(bytes), length) : std::string();
    free(bytes);
    spng_ctx_free(context);
    return png;
}

} // namespace

TEST(PNGEncoderTest, RoundTripsExactlyThroughTheSystemDecoder)
{
    std::mt19937 random(7);
    auto noise = [&](int, int) -> std::uint32_t {
        return 0xff000000u | static_cast<std::uint32_t>(random() & 0xffffffu);
    };
    expectRoundTrip(*makeBitmap(37, 23, noise), 2);

    auto translucent = [&](int, int) -> std::uint32_t {
        std::uint32_t a = random() % 256;
        std::uint32_t r = a ? random() % (a + 1) : 0, g = a ? random() % (a + 1) : 0, b = a ? random() % (a + 1) : 0;
        return a << 24 | r << 16 | g << 8 | b;
    };
    expectRoundTrip(*makeBitmap(41, 17, translucent), 6);
    expectRoundTrip(*makeBitmap(1, 1, [](int, int) { return 0x80402010u; }), 6);

    // Runs longer than one match, repeats of the row above and of the pixel to the left, mixed.
    auto stripes = [&](int x, int y) -> std::uint32_t {
        if (y % 7 == 3)
            return 0xff000000u | static_cast<std::uint32_t>(random() & 0xffffffu);
        return (x / 5 + y / 9) % 2 ? 0xff000000u : 0xffffffffu;
    };
    expectRoundTrip(*makeBitmap(613, 59, stripes), 2);

    // Rows too long to match against the row above (over 32 KB).
    expectRoundTrip(*makeBitmap(9000, 3, stripes), 2);
}

// The opacity scan reads several pixels at a time; one translucent pixel anywhere, in any lane of that
// read or in the tail of a row, must still make the file RGBA.
TEST(PNGEncoderTest, OneTranslucentPixelAnywhereKeepsTheAlpha)
{
    const int width = 11, height = 5; // rows of two 4-pixel reads and a 3-pixel tail
    const CGPoint places[] = {{0, 0}, {1, 2}, {2, 1}, {3, 3}, {6, 4}, {8, 0}, {10, 2}, {10, 4}};
    for (CGPoint place : places) {
        SCOPED_TRACE(testing::Message() << "translucent pixel at " << place);
        auto pixels = [&](int x, int y) -> std::uint32_t {
            if (CGPoint{double(x), double(y)} == place)
                return 0xfe7f3f1fu;
            return 0xff000000u | static_cast<std::uint32_t>(x * 20 << 8 | y * 40);
        };
        expectRoundTrip(*makeBitmap(width, height, pixels), 6);
    }
}

TEST(PNGEncoderTest, FlatImagesStaySmall)
{
    CGImagePtr white = makeBitmap(600, 600, [](int, int) { return 0xffffffffu; });
    EXPECT_LT(encodePNG(*white).size(), 16000u);
    CGImagePtr checker =
        makeBitmap(600, 600, [](int x, int y) { return (x / 18 + y / 18) % 2 ? 0xff000000u : 0xffffffffu; });
    EXPECT_LT(encodePNG(*checker).size(), 60000u); // about 50 KB at the fastest level
}

TEST(PNGDecoderTest, ReadsOtherLayoutsAsTheReferenceReaderDoes)
{
    std::mt19937 random(11);
    auto noise = [&](size_t count) {
        std::vector<std::uint8_t> bytes(count);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        return bytes;
    };
    std::vector<spng_plte_entry> palette;
    for (int i = 0; i < 4; ++i)
        palette.push_back({static_cast<std::uint8_t>(i * 60), static_cast<std::uint8_t>(200 - i * 40), 90, 255});
    spng_trns paletteAlpha{};
    paletteAlpha.n_type3_entries = 2;
    paletteAlpha.type3_alpha[0] = 0;
    paletteAlpha.type3_alpha[1] = 128;
    std::vector<std::uint8_t> indices = noise(9 * 5 / 4 + 5); // 2-bit indices, 3 bytes a row
    indices.resize(3 * 5);
    const struct {
        const char* name;
        std::string png;
    } cases[] = {
        {"grey 8", writeRaw(13, 7, SPNG_COLOR_TYPE_GRAYSCALE, 8, noise(13 * 7))},
        {"grey + alpha 16", writeRaw(5, 4, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 16, noise(5 * 4 * 4))},
        {"RGBA 16", writeRaw(6, 3, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16, noise(6 * 3 * 8))},
        {"palette 2-bit with transparency",
         writeRaw(9, 5, SPNG_COLOR_TYPE_INDEXED, 2, indices, palette, &paletteAlpha)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.png.empty());
        CGImagePtr ours = decodePNG(c.png);
        CGImagePtr reference = referenceDecode(c.png);
        ASSERT_TRUE(ours);
        ASSERT_TRUE(reference);
        ASSERT_EQ(ours->width(), reference->width());
        ASSERT_EQ(ours->height(), reference->height());
        for (int y = 0; y < ours->height(); ++y)
            for (int x = 0; x < ours->width(); ++x) {
                RGBA8 a = ours->pixelAt(x, y), b = reference->pixelAt(x, y);
                // 16-bit samples are narrowed by truncation or by rounding, depending on the reader.
                auto near = [](int u, int v) { return std::abs(u - v) <= 1; };
                EXPECT_TRUE(near(a.r, b.r) && near(a.g, b.g) && near(a.b, b.b) && near(a.a, b.a))
                    << x << "," << y << ": " << a << " vs " << b;
            }
    }
}
