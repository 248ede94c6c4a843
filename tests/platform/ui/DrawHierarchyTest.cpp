#include "ViewTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/ImageContext.h"
#include "platform/ui/UIView.h"

namespace platform {
namespace {

// A 40 x 20 view, red on its left half and blue on its right half (a blue subview), bounds origin
// shifted by (5, 0) so that the picture must follow the bounds, not the frame.
UIViewPtr twoColourView()
{
    auto view = NSObject::create<UIView>(CGRect{100, 100, 40, 20});
    view->setBackgroundColor(UIColor::red());
    auto right = NSObject::create<UIView>(CGRect{25, 0, 20, 20});
    right->setBackgroundColor(UIColor::blue());
    view->addSubview(right);
    view->setBounds({5, 0, 40, 20});
    return view;
}

TEST(DrawHierarchyTest, DrawsTheTreeStretchedOverTheRectangle)
{
    auto view = twoColourView();
    UIGraphicsBeginImageContextWithOptions({80, 40}, false, 1);
    EXPECT_TRUE(view->drawHierarchy({0, 0, 80, 40}, true));
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->cgImage()->pixelAt(10, 20), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(image->cgImage()->pixelAt(70, 20), (RGBA8{0, 0, 255, 255}));
    // The blue subview starts at x 25 of a bounds starting at 5: 20 points in, 40 pixels at this size.
    EXPECT_EQ(image->cgImage()->pixelAt(38, 20), (RGBA8{255, 0, 0, 255}));
    EXPECT_EQ(image->cgImage()->pixelAt(42, 20), (RGBA8{0, 0, 255, 255}));
}

TEST(DrawHierarchyTest, NeedsACurrentContextAndSomethingToDraw)
{
    DebugLogCapture log;
    auto view = twoColourView();
    EXPECT_FALSE(view->drawHierarchy({0, 0, 10, 10}, false));
    UIGraphicsBeginImageContextWithOptions({10, 10}, false, 1);
    EXPECT_FALSE(view->drawHierarchy({0, 0, 0, 10}, false));
    UIGraphicsEndImageContext();
    EXPECT_EQ(log.lines().size(), 2u);
}

} // namespace
} // namespace platform
