#include "ViewTestSupport.h"

#include "platform/graphics/CGImage.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/ui/CAShapeLayer.h"
#include "platform/ui/UIView.h"

#include <cstdlib>
#include <functional>
#include <string>

namespace platform {
namespace {

// Renders `layer` into a transparent image context of `size` points at `scale`.
UIImagePtr renderToImage(const std::shared_ptr<CALayer>& layer, CGSize size, double scale)
{
    UIGraphicsBeginImageContextWithOptions(size, false, scale);
    auto context = UIGraphicsGetCurrentContext();
    EXPECT_NE(context, nullptr);
    layer->render(*context);
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    if (const char* dir = std::getenv("TAVRO_ARTIFACT_DIR"); dir && image) {
        image->writePNG(std::string(dir) + "/layer-render-" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
    }
    return image;
}

// Pixel at point (x, y) of an image rendered at `scale`.
RGBA8 pixel(const UIImagePtr& image, double x, double y, double scale)
{
    return image->pixelAt(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

void expectColor(RGBA8 actual, RGBA8 expected, int tolerance = 2)
{
    EXPECT_NEAR(actual.r, expected.r, tolerance) << actual;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << actual;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << actual;
    EXPECT_NEAR(actual.a, expected.a, tolerance) << actual;
}

constexpr RGBA8 transparent{0, 0, 0, 0};
constexpr RGBA8 red{255, 0, 0, 255};
constexpr RGBA8 green{0, 255, 0, 255};
constexpr RGBA8 blue{0, 0, 255, 255};
constexpr RGBA8 white{255, 255, 255, 255};

TEST(LayerRenderTest, BackgroundsSublayersBordersAndCornersLandOnTheRightPixels)
{
    auto root = CALayer::layer();
    root->setBounds({0, 0, 100, 100});
    root->setBackgroundColor(UIColor::white());

    auto box = CALayer::layer();
    box->setFrame({10, 10, 40, 40});
    box->setBackgroundColor(UIColor::red());
    box->setBorderWidth(4);
    box->setBorderColor(UIColor::blue());
    root->addSublayer(box);

    auto rounded = CALayer::layer();
    rounded->setFrame({60, 10, 30, 30});
    rounded->setBackgroundColor(UIColor::green());
    rounded->setCornerRadius(15);
    root->addSublayer(rounded);

    auto hidden = CALayer::layer();
    hidden->setFrame({0, 0, 100, 100});
    hidden->setBackgroundColor(UIColor::black());
    hidden->setHidden(true);
    root->addSublayer(hidden);

    auto image = renderToImage(root, {100, 100}, 2);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixelWidth(), 200);
    expectColor(pixel(image, 5, 5, 2), white);
    expectColor(pixel(image, 30, 30, 2), red);
    expectColor(pixel(image, 11, 30, 2), blue); // inside the 4-pt border
    expectColor(pixel(image, 48.5, 30, 2), blue);
    expectColor(pixel(image, 75, 25, 2), green); // centre of the circle
    expectColor(pixel(image, 61, 11, 2), white); // its cut-off corner
    expectColor(pixel(image, 95, 95, 2), white); // hidden layer drew nothing
}

TEST(LayerRenderTest, TransformsClippingOpacityAndMasks)
{
    auto root = CALayer::layer();
    root->setBounds({0, 0, 100, 100});

    // A clipping parent: its child sticks out but is cut at the parent's bounds.
    auto clip = CALayer::layer();
    clip->setFrame({0, 0, 50, 50});
    clip->setMasksToBounds(true);
    auto big = CALayer::layer();
    big->setFrame({25, 25, 100, 100});
    big->setBackgroundColor(UIColor::blue());
    clip->addSublayer(big);
    root->addSublayer(clip);

    // Half-transparent group: two overlapping opaque children do not add up.
    auto group = CALayer::layer();
    group->setFrame({50, 0, 50, 50});
    group->setOpacity(0.5);
    for (double x : {0.0, 10.0}) {
        auto child = CALayer::layer();
        child->setFrame({x, 0, 30, 30});
        child->setBackgroundColor(UIColor::red());
        group->addSublayer(child);
    }
    root->addSublayer(group);

    // Scaled and offset by its transform; a sublayer moves with it.
    auto scaled = CALayer::layer();
    scaled->setBounds({0, 0, 10, 10});
    scaled->setPosition({25, 75});
    scaled->setAffineTransform(CGAffineTransform::makeScale(2, 2));
    scaled->setBackgroundColor(UIColor::green());
    root->addSublayer(scaled);

    // A mask: only the left half shows.
    auto masked = CALayer::layer();
    masked->setFrame({50, 50, 50, 50});
    masked->setBackgroundColor(UIColor::red());
    auto mask = CALayer::layer();
    mask->setFrame({0, 0, 25, 50});
    mask->setBackgroundColor(UIColor::black());
    masked->setMask(mask);
    root->addSublayer(masked);

    auto image = renderToImage(root, {100, 100}, 1);
    ASSERT_NE(image, nullptr);
    expectColor(pixel(image, 40, 40, 1), blue);
    expectColor(pixel(image, 49, 10, 1), transparent);         // clip's own area, left of big
    expectColor(pixel(image, 70, 60, 1), red);                 // masked, left half
    expectColor(pixel(image, 80, 60, 1), transparent);         // masked, right half
    expectColor(pixel(image, 65, 10, 1), {255, 0, 0, 128}, 3); // overlap at group opacity, once
    expectColor(pixel(image, 25, 75, 1), green);
    expectColor(pixel(image, 16, 75, 1), green); // scaled to 20 x 20 around (25, 75)
    expectColor(pixel(image, 14, 75, 1), transparent);
}

TEST(LayerRenderTest, ShapeLayersAndContentsImagesDraw)
{
    auto root = CALayer::layer();
    root->setBounds({0, 0, 60, 60});

    auto shape = CAShapeLayer::layer();
    shape->setFrame({0, 0, 60, 60});
    shape->setPath(UIBezierPath::rect({10, 10, 20, 20}).cgPath());
    shape->setFillColor(UIColor::blue());
    shape->setStrokeColor(UIColor::red());
    shape->setLineWidth(4);
    root->addSublayer(shape);

    // A stroke-only line trimmed to its first half.
    auto line = CAShapeLayer::layer();
    line->setFrame({0, 0, 60, 60});
    CGPath path;
    path.move({0, 50});
    path.addLine({60, 50});
    line->setPath(path);
    line->setFillColor(nullptr);
    line->setStrokeColor(UIColor::green());
    line->setLineWidth(4);
    line->setStrokeEnd(0.5);
    root->addSublayer(line);

    // A 2 x 2 point image centred in a 20 x 20 layer (content gravity centre).
    UIGraphicsBeginImageContextWithOptions({2, 2}, true, 1);
    UIGraphicsGetCurrentContext()->setFillColor(UIColor::red());
    UIGraphicsGetCurrentContext()->fill({0, 0, 2, 2});
    auto dot = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    auto picture = CALayer::layer();
    picture->setFrame({40, 0, 20, 20});
    picture->setContents(dot);
    picture->setContentsGravity(CALayerContentsGravity::center);
    root->addSublayer(picture);

    auto image = renderToImage(root, {60, 60}, 1);
    ASSERT_NE(image, nullptr);
    expectColor(pixel(image, 20, 20, 1), blue);
    expectColor(pixel(image, 10, 20, 1), red); // on the stroke
    expectColor(pixel(image, 5, 5, 1), transparent);
    expectColor(pixel(image, 20, 50, 1), green);
    expectColor(pixel(image, 45, 50, 1), transparent); // beyond strokeEnd
    expectColor(pixel(image, 50, 10, 1), red);
    expectColor(pixel(image, 45, 5, 1), transparent);
}

class CrossView : public UIView {
public:
    using UIView::UIView;
    int draws = 0;
    void draw(CGContext& context, const CGRect& rect) override
    {
        ++draws;
        // Both the given context and the current one draw into the rendering.
        context.setFillColor(UIColor::red());
        context.fill({0, 0, rect.size.width, rect.size.height / 2});
        UIBezierPath lower = UIBezierPath::rect({0, rect.size.height / 2, rect.size.width, rect.size.height / 2});
        UIGraphicsGetCurrentContext()->setFillColor(UIColor::blue());
        lower.fill();
    }
};

TEST(LayerRenderTest, ViewsDrawTheirContentThroughTheirLayer)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 40, 40));
    root->setBackgroundColor(UIColor::white());
    auto content = NSObject::create<CrossView>(CGRect(10, 10, 20, 20));
    root->addSubview(content);
    auto faded = NSObject::create<UIView>(CGRect(0, 30, 10, 10));
    faded->setBackgroundColor(UIColor::black());
    faded->setAlpha(0);
    root->addSubview(faded);

    auto image = renderToImage(root->layer(), {40, 40}, 2);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(content->draws, 1);
    expectColor(pixel(image, 20, 12, 2), red);
    expectColor(pixel(image, 20, 28, 2), blue);
    expectColor(pixel(image, 5, 5, 2), white);
    expectColor(pixel(image, 5, 35, 2), white);
    EXPECT_EQ(UIGraphicsGetCurrentContext(), nullptr); // the pushed context was popped
}

} // namespace
} // namespace platform
