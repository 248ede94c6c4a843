#pragma once
// Helpers of the renderer tests: pixels read in points, colour comparisons with a tolerance, and
// the artifact directory the rendered pictures are kept in.
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace render_test {

// The pixel under the point (x, y) of an image rendered at its scale.
inline platform::RGBA8 pixelAtPoint(const platform::UIImage& image, double x, double y)
{
    return image.pixelAt(static_cast<int>(x * image.scale()), static_cast<int>(y * image.scale()));
}

inline bool near(const platform::RGBA8& pixel, int r, int g, int b, int a = 255, int tolerance = 3)
{
    auto close = [tolerance](int actual, int expected) { return std::abs(actual - expected) <= tolerance; };
    return close(pixel.r, r) && close(pixel.g, g) && close(pixel.b, b) && close(pixel.a, a);
}

#define EXPECT_PIXEL(image, x, y, r, g, b, a) \
    do { \
        auto pixel_ = render_test::pixelAtPoint(*(image), (x), (y)); \
        EXPECT_TRUE(render_test::near(pixel_, (r), (g), (b), (a))) << "at (" << (x) << ", " << (y) << "): " << pixel_; \
    } while (false)

// TAVRO_ARTIFACT_DIR, else a folder of the temp directory.
inline std::string artifactPath(const std::string& name)
{
    const char* dir = std::getenv("TAVRO_ARTIFACT_DIR");
    std::string base = dir && *dir ? dir : (std::string(::testing::TempDir()) + "tavro-artifacts");
    return base + "/" + name;
}

} // namespace render_test

namespace render_test {

// How many pixels of `image` inside `rect` (points) satisfy `matches`.
template <class Predicate>
int countPixels(const platform::UIImage& image, const platform::CGRect& rect, Predicate matches)
{
    double scale = image.scale();
    int count = 0;
    for (int y = static_cast<int>(rect.minY() * scale); y < static_cast<int>(rect.maxY() * scale); ++y) {
        for (int x = static_cast<int>(rect.minX() * scale); x < static_cast<int>(rect.maxX() * scale); ++x) {
            if (matches(image.pixelAt(x, y))) {
                ++count;
            }
        }
    }
    return count;
}

inline bool isDark(const platform::RGBA8& p)
{
    return p.a > 200 && p.r < 90 && p.g < 90 && p.b < 90;
}
inline bool isWhite(const platform::RGBA8& p)
{
    return p.a > 240 && p.r > 240 && p.g > 240 && p.b > 240;
}

} // namespace render_test
