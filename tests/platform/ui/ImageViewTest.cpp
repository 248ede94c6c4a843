#include "ControlTestSupport.h"

#include "platform/ui/UIImageView.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::renderView;
using testsupport::solidImage;

TEST(ImageViewTest, SizeFollowsTheShownImage)
{
    auto view = NSObject::create<UIImageView>();
    EXPECT_EQ(view->intrinsicContentSize(), (CGSize{UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric}));
    EXPECT_FALSE(view->isUserInteractionEnabled());

    auto image = solidImage({30, 20}, UIColor::red(), 2); // 60 x 40 pixels at scale 2
    view->setImage(image);
    EXPECT_EQ(view->intrinsicContentSize(), (CGSize{30, 20}));
    view->sizeToFit();
    EXPECT_EQ(view->bounds().size, (CGSize{30, 20}));

    auto pressed = solidImage({10, 10}, UIColor::blue());
    view->setHighlightedImage(pressed);
    EXPECT_EQ(view->displayedImage(), image);
    view->setHighlighted(true);
    EXPECT_EQ(view->displayedImage(), pressed);
    EXPECT_EQ(view->intrinsicContentSize(), (CGSize{10, 10}));

    auto framed = NSObject::create<UIImageView>(image);
    EXPECT_EQ(framed->frame(), CGRect(0, 0, 30, 20));
}

TEST(ImageViewTest, ContentModesPlaceTheImage)
{
    const CGRect bounds(0, 0, 100, 50);
    const CGSize image{20, 10};
    struct Case {
        UIViewContentMode mode;
        CGRect expected;
    };
    const Case cases[] = {
        {UIViewContentMode::scaleToFill, {0, 0, 100, 50}},  {UIViewContentMode::scaleAspectFit, {0, 0, 100, 50}},
        {UIViewContentMode::center, {40, 20, 20, 10}},      {UIViewContentMode::topLeft, {0, 0, 20, 10}},
        {UIViewContentMode::bottomRight, {80, 40, 20, 10}}, {UIViewContentMode::left, {0, 20, 20, 10}},
        {UIViewContentMode::top, {40, 0, 20, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(contentRect(bounds, image, c.mode), c.expected) << static_cast<int>(c.mode);
    }
    // Aspect fit letterboxes, aspect fill overflows, both centred.
    EXPECT_EQ(contentRect({0, 0, 100, 100}, {20, 10}, UIViewContentMode::scaleAspectFit), CGRect(0, 25, 100, 50));
    EXPECT_EQ(contentRect({0, 0, 100, 100}, {20, 10}, UIViewContentMode::scaleAspectFill), CGRect(-50, 0, 200, 100));
}

TEST(ImageViewTest, TemplateImagesTakeTheTintOthersKeepTheirColours)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 40, 40));
    auto view = NSObject::create<UIImageView>(CGRect(0, 0, 40, 40));
    root->addSubview(view);
    view->setContentMode(UIViewContentMode::center);
    auto red = solidImage({10, 10}, UIColor::red());
    view->setImage(red);
    auto drawn = renderView(root);
    EXPECT_EQ(drawn->pixelAt(20, 20), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(drawn->pixelAt(5, 5), (RGBA8{255, 255, 255, 255})); // outside the centred image

    view->setImage(red->withRenderingMode(UIImageRenderingMode::alwaysTemplate));
    root->setTintColor(UIColor::green()); // inherited by the image view
    EXPECT_EQ(renderView(root)->pixelAt(20, 20), (RGBA8{0, 255, 0, 255}));
    view->setTintColor(UIColor::blue());
    EXPECT_EQ(renderView(root)->pixelAt(20, 20), (RGBA8{0, 0, 255, 255}));
}

} // namespace
} // namespace platform
