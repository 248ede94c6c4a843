#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/graphics/ScreenScale.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIScreen.h"

#include <gtest/gtest.h>


using namespace platform;

TEST(DriverEnvironment, ManualClockScreenAndCleanUp)
{
    std::shared_ptr<Clock> before = RunLoop::main().clock();
    {
        UIDriver driver;
        EXPECT_EQ(RunLoop::main().clock(), driver.clock());
        EXPECT_EQ(driver.clock()->now(), 0);
        EXPECT_EQ(UIScreen::main()->bounds(), (CGRect{0, 0, 375, 667}));
        EXPECT_EQ(mainScreenScale(), 2);

        std::vector<double> fired;
        auto timer = Timer::scheduledTimer(1.5, false, [&](Timer&) { fired.push_back(driver.clock()->now()); });
        bool queued = false;
        RunLoop::main().enqueue([&] { queued = true; });
        driver.runUntilIdle();
        EXPECT_TRUE(queued);
        EXPECT_TRUE(fired.empty());
        driver.advanceBy(1);
        EXPECT_TRUE(fired.empty());
        driver.advanceBy(1);
        EXPECT_EQ(fired, std::vector<double>{1.5});
        EXPECT_EQ(driver.clock()->now(), 2);

        // Left-over work does not survive the driver.
        Timer::scheduledTimer(10, false, [](Timer&) {});
        UIView::animate(5, [] {}, [](bool) {});
    }
    EXPECT_EQ(RunLoop::main().clock(), before);
    EXPECT_EQ(RunLoop::main().pendingTimerCount(), 0u);
    EXPECT_EQ(UIView::pendingAnimationCount(), 0u);
}
