#include "TavroMerchantSDK/core/TavroTimeoutManager.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestEnvironment.h"
#include "platform/ui/UITextField.h"

#include <gtest/gtest.h>

using tavro::TavroTimeoutManager;

namespace {

struct CountingDelegate : tavro::TavroTimeoutManagerDelegate {
    std::vector<double> firings;
    void timeoutOccurred(TavroTimeoutManager&) override { firings.push_back(platform::RunLoop::main().now()); }
};

struct Idle {
    platform::TestEnvironment environment;
    std::shared_ptr<CountingDelegate> delegate = std::make_shared<CountingDelegate>();
    std::shared_ptr<TavroTimeoutManager> manager = platform::NSObject::create<TavroTimeoutManager>();

    Idle()
    {
        manager->setDelegate(delegate);
        manager->setTimeoutLength(180);
    }
    void post(const std::string& name) { platform::NotificationCenter::defaultCenter().post(name); }
};

} // namespace

TEST(TavroTimeoutManager, EveryKindOfActivityRestartsTheTimer)
{
    Idle idle;
    idle.manager->startTimeoutObservation();
    idle.manager->startTimeoutObservation(); // observing twice still fires once
    idle.environment.advanceBy(179);
    idle.post(tavro::StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
    idle.environment.advanceBy(179);
    idle.post(platform::UITextFieldTextDidChange);
    idle.environment.advanceBy(179);
    idle.post(TavroTimeoutManager::textViewTextDidChangeNotification());
    idle.environment.advanceBy(1000);
    EXPECT_EQ(idle.delegate->firings, std::vector<double>{537 + 180});
}

TEST(TavroTimeoutManager, EndingObservationCancelsAndIgnoresLaterActivity)
{
    Idle idle;
    idle.manager->startTimeoutObservation();
    idle.environment.advanceBy(100);
    idle.manager->endTimeoutObservation();
    idle.post(tavro::StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
    idle.environment.advanceBy(1000);
    EXPECT_TRUE(idle.delegate->firings.empty());
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);
}

TEST(TavroTimeoutManager, GoneDelegateOrManagerDropsTheFiring)
{
    Idle idle;
    idle.manager->startTimeoutObservation();
    std::weak_ptr<CountingDelegate> weakDelegate = idle.delegate;
    idle.delegate.reset();
    EXPECT_TRUE(weakDelegate.expired()); // held weakly
    idle.environment.advanceBy(200);

    // A manager that goes away takes its timer and its observers with it.
    auto delegate = std::make_shared<CountingDelegate>();
    auto manager = platform::NSObject::create<TavroTimeoutManager>();
    manager->setDelegate(delegate);
    manager->setTimeoutLength(5);
    manager->startTimeoutObservation();
    manager.reset();
    idle.post(tavro::StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
    idle.environment.advanceBy(10);
    EXPECT_TRUE(delegate->firings.empty());
}

TEST(TavroTimeoutManager, StartingAgainReplacesTheEarlierObservers)
{
    Idle idle;
    auto& center = platform::NotificationCenter::defaultCenter();
    const std::size_t before = center.observerCount();
    idle.manager->startTimeoutObservation();
    const std::size_t once = center.observerCount();
    EXPECT_EQ(once, before + 3);
    for (int launch = 0; launch < 50; ++launch)
        idle.manager->startTimeoutObservation();
    EXPECT_EQ(center.observerCount(), once);
    idle.manager->endTimeoutObservation();
    EXPECT_EQ(center.observerCount(), before);
}
