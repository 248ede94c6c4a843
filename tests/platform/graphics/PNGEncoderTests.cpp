#include "platform/graphics/PNGEncoder.h"
#include "platform/graphics/UIImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

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

// Decodes with the system PNG reader and compares every premultiplied word.
void expectRoundTrip(const CGImage& image, int expectedColorType)
{
    std::string png = encodePNG(image);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png[25], expectedColorType);
    UIImagePtr decoded = UIImage::fromPNGData(png);
    ASSERT_TRUE(decoded);
    const CGImage& back = *decoded->cgImage();
    ASSERT_EQ(back.width(), image.width());
    ASSERT_EQ(back.height(), image.height());
    const unsigned char* a = cairo_image_surface_get_data(image.surface());
    const unsigned char* b = cairo_image_surface_get_data(back.surface());
    int strideA = cairo_image_surface_get_stride(image.surface());
    int strideB = cairo_image_surface_get_stride(back.surface());
    int differences = 0;
    for (int y = 0; y < image.height(); ++y)
        differences += std::memcmp(a + y * strideA, b + y * strideB, static_cast<size_t>(image.width()) * 4) != 0;
    EXPECT_EQ(differences, 0) << "rows that differ";
}

} // namespace

TEST(PNGEncoderTest, RoundTripsExactlyThroughTheSystemDecoder)
{
    std::mt19937 random(7);
    auto noise = [&](int, int) -> std::uint32_t { return 0xff000000u | static_cast<std::uint32_t>(random() & 0xffffffu); };
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

TEST(PNGEncoderTest, FlatImagesStaySmall)
{
    CGImagePtr white = makeBitmap(600, 600, [](int, int) { return 0xffffffffu; });
    EXPECT_LT(encodePNG(*white).size(), 16000u);
    CGImagePtr checker = makeBitmap(600, 600, [](int x, int y) { return (x / 18 + y / 18) % 2 ? 0xff000000u : 0xffffffffu; });
    EXPECT_LT(encodePNG(*checker).size(), 40000u);
}
