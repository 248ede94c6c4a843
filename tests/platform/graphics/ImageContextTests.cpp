#include "GraphicsTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ScreenScale.h"

#include <gtest/gtest.h>

#include <cairo.h>
#include <cmath>

using namespace platform;
using graphics_test::solidImage;

namespace {

const RGBA8 kRed{255, 0, 0, 255};
const RGBA8 kBlue{0, 0, 255, 255};
const RGBA8 kBlack{0, 0, 0, 255};
const RGBA8 kNone{0, 0, 0, 0};

// An image whose top half is red and bottom half blue (`side` points square at scale 1).
UIImagePtr topRedBottomBlue(double side)
{
    UIGraphicsBeginImageContextWithOptions({side, side}, false, 1);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(UIColor::red());
    context->fill(CGRect(0, 0, side, side / 2));
    context->setFillColor(UIColor::blue());
    context->fill(CGRect(0, side / 2, side, side / 2));
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace

TEST(ImageContextTest, UnusableSizesOpenNoContext)
{
    DebugLogCapture log;
    const CGSize bad[] = {{0, 0}, {0, 10}, {10, -1}, {NAN, 5}, {INFINITY, 5}, {20000, 10}};
    for (CGSize size : bad) {
        log.clear();
        UIGraphicsBeginImageContextWithOptions(size, false, 2);
        EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr) << size.width << " x " << size.height;
        EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext(), nullptr);
        EXPECT_EQ(log.lines().size(), 1u);
    }
    log.clear();
    UIGraphicsEndImageContext();
    EXPECT_EQ(log.lines().size(), 1u) << "closing with nothing open is reported";
}

TEST(ImageContextTest, PixelSizeFollowsScaleAndRoundsUp)
{
    UIGraphicsBeginImageContextWithOptions({11.6, 10}, false, 2);
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 24);
    EXPECT_EQ(image->pixelHeight(), 20);
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->size(), (CGSize{12, 10}));

    // 0.1 x 30 is 3.0000000000000004 in doubles; it must not become 4 pixels.
    UIGraphicsBeginImageContextWithOptions({0.1, 1}, false, 30);
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext()->pixelWidth(), 3);
    UIGraphicsEndImageContext();

    // Scale 0 means the main screen's scale.
    setMainScreenScaleProvider([] { return 3.0; });
    UIGraphicsBeginImageContextWithOptions({1, 1}, false, 0);
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext()->scale(), 3);
    UIGraphicsEndImageContext();
    setMainScreenScaleProvider(nullptr);
    EXPECT_EQ(mainScreenScale(), 2);
}

TEST(ImageContextTest, DrawingReadsBackByPixels)
{
    UIGraphicsBeginImageContextWithOptions({10, 10}, false, 2);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    ASSERT_TRUE(context);
    context->setFillColor(UIColor::red());
    context->fill(CGRect(0, 0, 5, 5));
    context->setStrokeColor(UIColor::blue());
    context->setLineWidth(2);
    context->stroke(CGRect(6, 6, 3, 3)); // a 2-point line centred on the edge
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();

    // The snapshot does not change when drawing goes on.
    context->setFillColor(UIColor::blue());
    context->fill(CGRect(0, 0, 10, 10));
    UIGraphicsEndImageContext();

    EXPECT_EQ(image->pixelAt(0, 0), kRed);
    EXPECT_EQ(image->pixelAt(9, 9), kRed);
    EXPECT_EQ(image->pixelAt(10, 0), kNone);
    EXPECT_EQ(image->pixelAt(10, 10), kBlue); // (5, 5) in points: the stroke's outer edge
    EXPECT_EQ(image->pixelAt(12, 12), kBlue);
    EXPECT_EQ(image->pixelAt(15, 15), kNone); // (7.5, 7.5): inside the stroked square
    EXPECT_EQ(image->pixelAt(19, 0), kNone);
}

TEST(ImageContextTest, OpaqueContextsStartBlack)
{
    UIGraphicsBeginImageContextWithOptions({2, 2}, true, 1);
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(image->pixelAt(1, 1), kBlack);
}

TEST(ImageContextTest, StackNestsAndPushedContextsAreNotImageContexts)
{
    UIGraphicsBeginImageContextWithOptions({4, 4}, false, 1);
    CGContextPtr outer = UIGraphicsGetCurrentContext();
    UIGraphicsBeginImageContextWithOptions({2, 2}, false, 1);
    CGContextPtr inner = UIGraphicsGetCurrentContext();
    EXPECT_NE(outer, inner);
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), outer);

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3, 3);
    cairo_t* cr = cairo_create(surface);
    CGContextPtr pushed = CGContext::create(cr);
    cairo_destroy(cr);
    UIGraphicsPushContext(pushed);
    EXPECT_EQ(UIGraphicsGetCurrentContext(), pushed);
    EXPECT_EQ(UIGraphicsGetImageFromCurrentImageContext(), nullptr);
    {
        DebugLogCapture log;
        UIGraphicsEndImageContext(); // must not pop the pushed context
        EXPECT_EQ(log.lines().size(), 1u);
        EXPECT_EQ(UIGraphicsGetCurrentContext(), pushed);
    }
    UIGraphicsPopContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), outer);
    {
        DebugLogCapture log;
        UIGraphicsPopContext(); // must not pop the image context
        EXPECT_EQ(log.lines().size(), 1u);
    }
    UIGraphicsEndImageContext();
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr);
    cairo_surface_destroy(surface);
}

TEST(CGContextTest, SavedStateComesBack)
{
    UIGraphicsBeginImageContextWithOptions({3, 1}, false, 1);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(UIColor::red());
    context->saveGState();
    context->setFillColor(UIColor::blue());
    context->setAlpha(0.5);
    context->translateBy(1, 0);
    context->fill(CGRect(0, 0, 1, 1));
    context->restoreGState();
    EXPECT_EQ(context->alpha(), 1);
    context->fill(CGRect(2, 0, 1, 1));
    {
        DebugLogCapture log;
        context->restoreGState();
        EXPECT_EQ(log.lines().size(), 1u);
    }
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(image->pixelAt(0, 0), kNone);
    RGBA8 translucentBlue = image->pixelAt(1, 0);
    EXPECT_EQ(translucentBlue.b, 255);
    EXPECT_NEAR(translucentBlue.a, 128, 1);
    EXPECT_EQ(image->pixelAt(2, 0), kRed);
}

TEST(CGContextTest, BitmapDrawIsBottomUpUnlessFlippedAndImageDrawIsUpright)
{
    UIImagePtr source = topRedBottomBlue(4);

    UIGraphicsBeginImageContextWithOptions({4, 4}, false, 1);
    UIGraphicsGetCurrentContext()->draw(*source->cgImage(), CGRect(0, 0, 4, 4));
    UIImagePtr raw = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(raw->pixelAt(1, 0), kBlue) << "the bitmap's first row lands at the bottom";

    // The translucent copy procedure: flip, multiply at an alpha, draw the bitmap.
    UIGraphicsBeginImageContextWithOptions(source->size(), false, 2);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->scaleBy(1, -1);
    context->translateBy(0, -source->size().height);
    context->setBlendMode(CGBlendMode::multiply);
    context->setAlpha(0.3);
    context->draw(*source->cgImage(), CGRect(CGPoint{}, source->size()));
    UIImagePtr faded = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    RGBA8 top = faded->pixelAt(3, 0);
    EXPECT_EQ(top.r, 255);
    EXPECT_EQ(top.b, 0);
    EXPECT_NEAR(top.a, 0.3 * 255, 1);
    EXPECT_EQ(faded->pixelAt(3, 7).b, 255);

    UIGraphicsBeginImageContextWithOptions({4, 4}, false, 1);
    source->draw(CGRect(0, 0, 4, 4));
    UIImagePtr upright = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    EXPECT_EQ(upright->pixelAt(1, 0), kRed);
    EXPECT_EQ(upright->pixelAt(1, 3), kBlue);

    DebugLogCapture log;
    source->draw(CGRect(0, 0, 4, 4));
    EXPECT_EQ(log.lines().size(), 1u) << "drawing with no context is reported";
}
