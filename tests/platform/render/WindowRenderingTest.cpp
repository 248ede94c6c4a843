// A whole window: the navigation bar, the screen under it and an alert presented on top.
#include "RenderTestSupport.h"

#include "platform/foundation/ManualClock.h"
#include "platform/foundation/RunLoop.h"
#include "platform/render/Renderer.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class WindowRendering : public ::testing::Test {
protected:
    void SetUp() override
    {
        RunLoop::main().reset();
        RunLoop::main().setClock(m_clock);
        UIScreen::resetMain();
    }
    void TearDown() override
    {
        UIView::cancelAllAnimations();
        UIResponder::clearFirstResponder();
        UIApplication::shared()->reset();
        RunLoop::main().reset();
        RunLoop::main().setClock(nullptr);
    }
    std::shared_ptr<ManualClock> m_clock = std::make_shared<ManualClock>(0.0);
};

bool isDark(const RGBA8& p)
{
    return p.r < 80 && p.g < 80 && p.b < 80;
}

} // namespace

TEST_F(WindowRendering, NavigationBarScreenAndAlertOnTop)
{
    auto screen = NSObject::create<UIViewController>();
    screen->setTitle("Refund");
    screen->view()->setBackgroundColor(UIColor::red());
    auto navigation = UINavigationController::create(screen);
    navigation->navigationBar()->setBarTintColor(UIColor::create(0, 0.5, 1));
    navigation->navigationBar()->setTranslucent(false);
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    RunLoop::main().advanceBy(1);

    auto before = Renderer::renderWindow(window);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->pixelWidth(), 750);
    EXPECT_EQ(before->pixelHeight(), 1334);
    EXPECT_PIXEL(before, 5, 10, 0, 128, 255, 255); // the bar's colour reaches over the status bar
    EXPECT_PIXEL(before, 5, 40, 0, 128, 255, 255);
    EXPECT_PIXEL(before, 5, 300, 255, 0, 0, 255);                                 // the screen below the bar
    EXPECT_GT(render_test::countPixels(*before, {120, 24, 135, 36}, isDark), 50); // the title

    auto alert = UIAlertController::create("Refund failed", "Try again later", UIAlertControllerStyle::alert);
    alert->addAction(UIAlertAction::create("OK", UIAlertActionStyle::default_));
    navigation->present(alert, true);
    RunLoop::main().advanceBy(1);

    auto image = Renderer::renderWindow(window);
    ASSERT_TRUE(image);
    EXPECT_TRUE(Renderer::writeWindowPNG(window, render_test::artifactPath("render/window-with-alert.png")));
    // Everything around the alert's box is dimmed, bar included.
    EXPECT_PIXEL(image, 5, 40, 0, 77, 153, 255);
    EXPECT_PIXEL(image, 5, 300, 153, 0, 0, 255);
    // The box: light, with the title and message in dark text and the button's title.
    CGRect box = alert->contentView()->convert(alert->contentView()->bounds(), nullptr);
    EXPECT_GT(box.width(), 200);
    auto middle = render_test::pixelAtPoint(*image, box.minX() + 4, box.midY());
    EXPECT_TRUE(middle.r > 230 && middle.g > 230 && middle.b > 230) << middle;
    EXPECT_GT(render_test::countPixels(*image, box, isDark), 200);

    // The whole screen shows the same.
    auto whole = Renderer::renderScreen();
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->pixelAt(10, 600), image->pixelAt(10, 600));
    EXPECT_EQ(whole->pixelAt(375, 667), image->pixelAt(375, 667));

    // At another scale: the same layout at that size, the screen's own scale untouched.
    auto larger = Renderer::renderScreen(3.5);
    ASSERT_TRUE(larger);
    EXPECT_EQ(larger->pixelWidth(), 1313); // 375 × 3.5, rounded up
    EXPECT_EQ(larger->pixelHeight(), 2335);
    EXPECT_PIXEL(larger, 5, 300, 153, 0, 0, 255);
    EXPECT_GT(render_test::countPixels(*larger, box, isDark), 200 * 3);
    EXPECT_EQ(UIScreen::main()->scale(), 2);
    EXPECT_EQ(Renderer::renderScreen()->pixelWidth(), 750);
}
