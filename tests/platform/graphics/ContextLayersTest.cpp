// Transparency layers, masks, trimmed paths and cropping on CGContext and CGImage.
#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIBezierPath.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform;

namespace {

// Opens a 20 x 20 transparent context at scale 1, runs `draw`, returns the picture.
CGImagePtr drawn(const std::function<void(CGContext&)>& draw)
{
    UIGraphicsBeginImageContextWithOptions({20, 20}, false, 1);
    draw(*UIGraphicsGetCurrentContext());
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image->cgImage();
}

bool near(const RGBA8& pixel, const RGBA8& expected, int tolerance = 2)
{
    return std::abs(pixel.r - expected.r) <= tolerance && std::abs(pixel.g - expected.g) <= tolerance &&
           std::abs(pixel.b - expected.b) <= tolerance && std::abs(pixel.a - expected.a) <= tolerance;
}

} // namespace

TEST(ContextLayersTest, LayerAlphaAppliesToTheCompositeNotEachShape)
{
    auto image = drawn([](CGContext& context) {
        context.beginTransparencyLayer();
        context.setFillColor(UIColor::red());
        context.fill({0, 0, 20, 20});
        context.setFillColor(UIColor::blue());
        context.fill({0, 0, 10, 20}); // covers the red: the layer shows blue only there
        context.endTransparencyLayer(0.5);
    });
    EXPECT_TRUE(near(image->pixelAt(5, 5), {0, 0, 255, 128})) << image->pixelAt(5, 5);
    EXPECT_TRUE(near(image->pixelAt(15, 5), {255, 0, 0, 128})) << image->pixelAt(15, 5);
}

TEST(ContextLayersTest, StateInsideALayerIsRestoredAtItsEnd)
{
    auto image = drawn([](CGContext& context) {
        context.setFillColor(UIColor::green());
        context.beginTransparencyLayer();
        context.setFillColor(UIColor::red());
        context.setBlendMode(CGBlendMode::multiply);
        context.clip({0, 0, 1, 1});
        context.endTransparencyLayer();
        EXPECT_EQ(context.blendMode(), CGBlendMode::normal);
        context.fill({0, 0, 20, 20});
    });
    EXPECT_EQ(image->pixelAt(10, 10), (RGBA8{0, 255, 0, 255}));
}

TEST(ContextLayersTest, MaskAlphaScalesTheContent)
{
    auto image = drawn([](CGContext& context) {
        context.beginTransparencyLayer();
        context.setFillColor(UIColor::red());
        context.fill({0, 0, 20, 20});
        context.endTransparencyLayer(1, [&] {
            context.setFillColor(UIColor::black());
            context.fill({0, 0, 10, 10});
            context.setFillColor(UIColor::colorWithWhite(0, 0.5));
            context.fill({10, 0, 10, 10});
        });
    });
    EXPECT_EQ(image->pixelAt(5, 5), (RGBA8{255, 0, 0, 255}));
    EXPECT_TRUE(near(image->pixelAt(15, 5), {255, 0, 0, 128})) << image->pixelAt(15, 5);
    EXPECT_EQ(image->pixelAt(5, 15).a, 0) << "no mask there, nothing shows";
}

TEST(ContextLayersTest, UnbalancedCallsAreReportedAndDrawingGoesOn)
{
    DebugLogCapture log;
    auto image = drawn([](CGContext& context) {
        context.endTransparencyLayer(0.5); // nothing open
        context.beginTransparencyLayer();
        context.restoreGState(); // would undo the layer's own save
        context.saveGState();    // left open: closed with the layer
        context.setFillColor(UIColor::blue());
        context.clip({0, 0, 10, 20});
        context.fill({0, 0, 20, 20});
        context.endTransparencyLayer();
        context.setFillColor(UIColor::red());
        context.fill({10, 0, 10, 20}); // the clip made inside the layer is gone
    });
    EXPECT_EQ(log.lines().size(), 3u);
    EXPECT_EQ(image->pixelAt(5, 10), (RGBA8{0, 0, 255, 255}));
    EXPECT_EQ(image->pixelAt(15, 10), (RGBA8{255, 0, 0, 255}));
}

TEST(ContextLayersTest, SourceAtopPaintsOnlyOverWhatIsThere)
{
    auto image = drawn([](CGContext& context) {
        context.setFillColor(UIColor::white());
        context.fill({0, 0, 10, 20});
        context.setBlendMode(CGBlendMode::sourceAtop);
        context.setFillColor(UIColor::blue());
        context.fill({0, 0, 20, 20});
    });
    EXPECT_EQ(image->pixelAt(5, 5), (RGBA8{0, 0, 255, 255}));
    EXPECT_EQ(image->pixelAt(15, 5).a, 0);
}

TEST(ContextLayersTest, TrimmedPathStrokesOnlyTheAskedStretch)
{
    // A horizontal line 20 long along y = 10, trimmed to its middle half (x 5..15).
    CGPath line;
    line.move({0, 10});
    line.addLine({20, 10});
    auto image = drawn([&](CGContext& context) {
        context.addTrimmedPath(line, 0.25, 0.75);
        context.setStrokeColor(UIColor::red());
        context.setLineWidth(4);
        context.strokePath();
    });
    EXPECT_EQ(image->pixelAt(10, 10), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(image->pixelAt(6, 10), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(image->pixelAt(3, 10).a, 0);
    EXPECT_EQ(image->pixelAt(17, 10).a, 0);
}

TEST(ContextLayersTest, TrimmingKeepsSubpathsApart)
{
    // Two separate strokes; the whole length kept must not join the first's end to the second's start.
    CGPath twoLines;
    twoLines.move({0, 2});
    twoLines.addLine({20, 2});
    twoLines.move({0, 18});
    twoLines.addLine({20, 18});
    auto image = drawn([&](CGContext& context) {
        context.addTrimmedPath(twoLines, 0, 1);
        context.setStrokeColor(UIColor::red());
        context.setLineWidth(2);
        context.strokePath();
    });
    EXPECT_EQ(image->pixelAt(10, 10).a, 0) << "no diagonal between the subpaths";
    EXPECT_EQ(image->pixelAt(10, 2).a, 255);
    EXPECT_EQ(image->pixelAt(10, 18).a, 255);
}

TEST(ImageCroppingTest, CropsToWholePixelsInsideTheBitmap)
{
    auto image = drawn([](CGContext& context) {
        context.setFillColor(UIColor::red());
        context.fill({0, 0, 10, 20});
        context.setFillColor(UIColor::blue());
        context.fill({10, 0, 10, 20});
    });
    auto cropped = image->cropping({8.5, 2.2, 4, 3}); // rounds outward to x 8..13, y 2..6
    ASSERT_TRUE(cropped);
    EXPECT_EQ(cropped->width(), 5);
    EXPECT_EQ(cropped->height(), 4);
    EXPECT_EQ(cropped->pixelAt(0, 0), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(cropped->pixelAt(4, 3), (RGBA8{0, 0, 255, 255}));

    auto edge = image->cropping({15, 15, 50, 50});
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->width(), 5);
    EXPECT_EQ(edge->height(), 5);
    EXPECT_EQ(image->cropping({30, 30, 5, 5}), nullptr);
    EXPECT_EQ(image->cropping(CGRect::null()), nullptr);
}
