#include "platform/foundation/Bundle.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ResetForTesting.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/ScreenScale.h"
#include "platform/testing/UIDriver.h"
#include "platform/testing/ViewTreeDump.h"
#include "platform/ui/UILabel.h"
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
        UIView::animate(
            5, [] {}, [](bool) {});
    }
    EXPECT_EQ(RunLoop::main().clock(), before);
    EXPECT_EQ(RunLoop::main().pendingTimerCount(), 0u);
    EXPECT_EQ(UIView::pendingAnimationCount(), 0u);
}

TEST(DriverEnvironment, ClearingPutsEveryProcessWideSingletonBack)
{
    // Registered resets run newest first, when an environment starts and when it ends. They stay
    // registered for the life of the process, so they are added once however often this runs.
    static const auto order = [] {
        auto log = std::make_shared<std::vector<int>>();
        registerResetForTesting([log] { log->push_back(1); });
        registerResetForTesting([log] { log->push_back(2); });
        registerResetForTesting(nullptr);
        return log;
    }();
    order->clear();

    auto bundle = Bundle::main();
    int delivered = 0;
    std::shared_ptr<NotificationObserverToken> token;
    {
        UIDriver driver;
        EXPECT_EQ(*order, (std::vector<int>{2, 1}));
        token = NotificationCenter::defaultCenter().addObserver("ResetTest", [&](const Notification&) { ++delivered; });
        UserDefaults::standard()->set(7, "resetTestKey");
        NibRegistry::registerNib(bundle, "ResetTestNib",
                                 [](const std::shared_ptr<void>&) { return NibRegistry::TopLevelObjects{}; });
        EXPECT_TRUE(NibRegistry::has(bundle, "ResetTestNib"));
    }
    EXPECT_EQ(*order, (std::vector<int>{2, 1, 2, 1}));
    NotificationCenter::defaultCenter().post("ResetTest");
    EXPECT_EQ(delivered, 0);
    EXPECT_FALSE(UserDefaults::standard()->objectForKey("resetTestKey"));
    EXPECT_FALSE(UserDefaults::standard()->filePath()) << "tests never write the user's own defaults file";
    EXPECT_FALSE(NibRegistry::has(bundle, "ResetTestNib"));
}

TEST(DriverEnvironment, DescribesTheScreenAndThePendingWorkAsText)
{
    UIDriver driver;
    auto root = NSObject::create<UIView>(CGRect{0, 0, 320, 100.5});
    auto label = NSObject::create<UILabel>(CGRect{16, 20, 120, 21});
    label->setText("Say \"hi\"");
    label->setAccessibilityIdentifier("greeting");
    auto faded = NSObject::create<UIView>(CGRect{0, 0, 0.1, 2});
    faded->setHidden(true);
    faded->setAlpha(0.5);
    root->addSubview(label);
    label->addSubview(faded);
    driver.setRoot(root);

    Timer::scheduledTimer(2, true, [](Timer&) {});
    Timer::scheduledTimer(0.5, false, [](Timer&) {});
    RunLoop::main().enqueue([] {});
    driver.advanceBy(0.25);
    RunLoop::main().enqueue([] {});

    EXPECT_EQ(driver.describeScreen(), "UIView {{0, 0}, {320, 100.5}}\n"
                                       "  UILabel {{16, 20}, {120, 21}} id=\"greeting\" text=\"Say \\\"hi\\\"\"\n"
                                       "    UIView {{0, 0}, {0.1, 2}} hidden alpha=0.5\n"
                                       "run loop at 0.25: 1 queued block(s), 2 timer(s)\n"
                                       "  timer at 0.5 (in 0.25)\n"
                                       "  timer at 2 (in 1.75), repeats every 2\n");
    EXPECT_EQ(describeViewTree(nullptr), "(no view)\n");
}
