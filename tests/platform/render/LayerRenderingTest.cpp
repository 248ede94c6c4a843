#include "RenderTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/render/Renderer.h"
#include "platform/ui/CAShapeLayer.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

UIViewPtr makeView(const CGRect& frame, UIColorPtr color)
{
    auto view = NSObject::create<UIView>(frame);
    view->setBackgroundColor(std::move(color));
    return view;
}

UIImagePtr solid(CGSize size, const UIColorPtr& color)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
    auto context = UIGraphicsGetCurrentContext();
    context->setFillColor(color);
    context->fill({0, 0, size.width, size.height});
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace

TEST(LayerRendering, BackgroundsBordersCornersHiddenAndAlpha)
{
    auto root = makeView({0, 0, 100, 100}, UIColor::white());
    auto bordered = makeView({10, 10, 40, 40}, UIColor::red());
    bordered->layer()->setBorderWidth(4);
    bordered->layer()->setBorderColor(UIColor::blue());
    root->addSubview(bordered);

    auto rounded = makeView({60, 10, 30, 30}, UIColor::green());
    rounded->layer()->setCornerRadius(10);
    rounded->setClipsToBounds(true);
    rounded->addSubview(makeView({0, 0, 30, 30}, UIColor::yellow()));
    root->addSubview(rounded);

    auto hidden = makeView({10, 60, 30, 30}, UIColor::black());
    hidden->setHidden(true);
    root->addSubview(hidden);

    auto faded = makeView({60, 60, 30, 30}, UIColor::blue());
    faded->setAlpha(0.5);
    root->addSubview(faded);

    auto image = Renderer::renderView(root, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 200);
    EXPECT_EQ(image->pixelHeight(), 200);
    EXPECT_DOUBLE_EQ(image->scale(), 2);

    EXPECT_PIXEL(image, 11, 11, 0, 0, 255, 255);         // border drawn over the background
    EXPECT_PIXEL(image, 30, 30, 255, 0, 0, 255);         // background inside the border
    EXPECT_PIXEL(image, 60.5, 10.5, 255, 255, 255, 255); // rounded corner clips the subview away
    EXPECT_PIXEL(image, 75, 25, 255, 255, 0, 255);       // the clipped subview inside
    EXPECT_PIXEL(image, 25, 75, 255, 255, 255, 255);     // hidden view not drawn
    EXPECT_PIXEL(image, 75, 75, 127, 127, 255, 255);     // half-transparent blue over white
    EXPECT_PIXEL(image, 5, 5, 255, 255, 255, 255);
}

TEST(LayerRendering, ShapeLayersMasksAndContentsGravity)
{
    auto root = makeView({0, 0, 100, 100}, nullptr);

    auto shape = CAShapeLayer::layer();
    shape->setFrame({0, 0, 50, 50});
    shape->setPath(UIBezierPath::ovalIn({0, 0, 50, 50}).cgPath());
    shape->setFillColor(UIColor::red());
    shape->setStrokeColor(UIColor::blue());
    shape->setLineWidth(4);
    root->layer()->addSublayer(shape);

    auto masked = makeView({50, 0, 50, 50}, UIColor::green());
    auto mask = CALayer::layer();
    mask->setFrame({0, 0, 25, 50});
    mask->setBackgroundColor(UIColor::black());
    masked->layer()->setMask(mask);
    root->addSubview(masked);

    auto pictured = CALayer::layer();
    pictured->setFrame({0, 60, 40, 20});
    pictured->setContents(solid({10, 10}, UIColor::blue()));
    pictured->setContentsGravity(CALayerContentsGravity::resizeAspect);
    root->layer()->addSublayer(pictured);

    auto image = Renderer::renderView(root, 2);
    ASSERT_TRUE(image);
    EXPECT_PIXEL(image, 25, 25, 255, 0, 0, 255); // fill inside the oval
    EXPECT_PIXEL(image, 25, 1, 0, 0, 255, 255);  // stroke on the oval's top edge
    EXPECT_PIXEL(image, 2, 2, 0, 0, 0, 0);       // outside the oval: nothing
    EXPECT_PIXEL(image, 60, 25, 0, 255, 0, 255); // the mask's opaque half shows the view
    EXPECT_PIXEL(image, 90, 25, 0, 0, 0, 0);     // its empty half hides it
    EXPECT_PIXEL(image, 20, 70, 0, 0, 255, 255); // aspect-fit image in the middle
    EXPECT_PIXEL(image, 3, 70, 0, 0, 0, 0);      // and not stretched to the sides
}

TEST(LayerRendering, DrawsTheBoundsSpaceOfTheViewOnly)
{
    auto root = makeView({0, 0, 60, 40}, UIColor::white());
    root->addSubview(makeView({30, 0, 30, 40}, UIColor::red()));
    // Scrolled by 30 points: the red half is now on the left. The view's own frame and transform
    // play no part in its picture.
    root->setBounds({30, 0, 60, 40});
    root->setTransform(CGAffineTransform::makeScale(2, 2));
    root->setCenter({500, 500});

    auto image = Renderer::renderView(root, 1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 60);
    EXPECT_PIXEL(image, 10, 20, 255, 0, 0, 255);
    EXPECT_PIXEL(image, 45, 20, 255, 255, 255, 255);

    // Scale 3, and a fractional size rounds up to whole pixels.
    root->setBounds({0, 0, 10.2, 5});
    auto large = Renderer::renderView(root, 3);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->pixelWidth(), 31);
    EXPECT_EQ(large->pixelHeight(), 15);
}

TEST(LayerRendering, NothingToRenderIsReportedNotDrawn)
{
    DebugLogCapture log;
    EXPECT_FALSE(Renderer::renderView(nullptr));
    EXPECT_FALSE(Renderer::renderView(makeView({0, 0, 0, 20}, UIColor::red())));
    EXPECT_FALSE(Renderer::renderWindow(nullptr));
    EXPECT_FALSE(Renderer::writePNG(nullptr, render_test::artifactPath("never.png")));
    EXPECT_EQ(log.lines().size(), 4u);

    // Over the bitmap limit in all, though each side alone would do.
    log.clear();
    EXPECT_FALSE(Renderer::renderView(makeView({0, 0, 12000, 12000}, UIColor::red()), 1));
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("over the limit")) << log.lines()[0];
}

TEST(LayerRendering, WritesPNGThatReadsBackPixelForPixel)
{
    auto root = makeView({0, 0, 20, 10}, UIColor::create(0.2, 0.4, 0.6, 1));
    root->addSubview(makeView({10, 0, 10, 10}, UIColor::create(1, 0, 0, 0.5)));
    std::string path = render_test::artifactPath("render/png-round-trip.png");
    ASSERT_TRUE(Renderer::writePNG(root, path, 2));

    auto drawn = Renderer::renderView(root, 2);
    auto read = UIImage::contentsOfFile(path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->pixelWidth(), drawn->pixelWidth());
    ASSERT_EQ(read->pixelHeight(), drawn->pixelHeight());
    for (int y = 0; y < drawn->pixelHeight(); y += 3) {
        for (int x = 0; x < drawn->pixelWidth(); x += 3) {
            EXPECT_EQ(read->pixelAt(x, y), drawn->pixelAt(x, y)) << x << ", " << y;
        }
    }
}

TEST(LayerRendering, WindowIsDrawnOverABlackScreen)
{
    auto window = makeView({0, 0, 40, 40}, nullptr);
    window->addSubview(makeView({0, 0, 20, 40}, UIColor::white()));
    auto image = Renderer::renderWindow(window);
    ASSERT_TRUE(image);
    EXPECT_PIXEL(image, 10, 10, 255, 255, 255, 255);
    EXPECT_PIXEL(image, 30, 10, 0, 0, 0, 255);
}

namespace {

// Draws a filled circle through the current context, as framework views draw themselves.
class DotView : public UIView {
public:
    using UIView::UIView;
    void draw(CGContext&, const CGRect& rect) override
    {
        auto current = UIGraphicsGetCurrentContext();
        current->setFillColor(UIColor::magenta());
        current->fillEllipse(rect);
        ++draws;
    }
    int draws = 0;
};

} // namespace

TEST(LayerRendering, CustomDrawingAndAPendingLayoutPass)
{
    auto root = makeView({0, 0, 100, 100}, UIColor::white());
    auto dot = NSObject::create<DotView>(CGRect{0, 0, 40, 40});
    root->addSubview(dot);

    // Constraints the layout pass has not applied yet: the renderer lays the tree out first.
    auto bar = makeView({}, UIColor::blue());
    bar->setTranslatesAutoresizingMaskIntoConstraints(false);
    root->addSubview(bar);
    NSLayoutConstraint::activate({
        NSLayoutConstraint::create(bar, NSLayoutAttribute::left, NSLayoutRelation::equal, root,
                                   NSLayoutAttribute::left),
        NSLayoutConstraint::create(bar, NSLayoutAttribute::right, NSLayoutRelation::equal, root,
                                   NSLayoutAttribute::right),
        NSLayoutConstraint::create(bar, NSLayoutAttribute::bottom, NSLayoutRelation::equal, root,
                                   NSLayoutAttribute::bottom),
        NSLayoutConstraint::create(bar, NSLayoutAttribute::height, NSLayoutRelation::equal, nullptr,
                                   NSLayoutAttribute::notAnAttribute, 1, 10),
    });

    // Rendering a subview lays out the tree it is in.
    auto barImage = Renderer::renderView(bar, 1);
    ASSERT_TRUE(barImage);
    EXPECT_EQ(barImage->pixelWidth(), 100);
    EXPECT_EQ(barImage->pixelHeight(), 10);

    auto image = Renderer::renderView(root, 2);
    ASSERT_TRUE(image);
    EXPECT_PIXEL(image, 20, 20, 255, 0, 255, 255);
    EXPECT_PIXEL(image, 1, 1, 255, 255, 255, 255);
    EXPECT_PIXEL(image, 50, 95, 0, 0, 255, 255);
    EXPECT_PIXEL(image, 50, 85, 255, 255, 255, 255);
    EXPECT_EQ(dot->draws, 1);
    // The contexts pushed for drawing are gone afterwards.
    EXPECT_FALSE(UIGraphicsGetCurrentContext());
}
