#include "SessionTestFixture.h"

#include "platform/foundation/NotificationCenter.h"

using namespace sessiontest;
using tavro::TavroMerchantSDK;

namespace {

constexpr int kCycles = 1000;

} // namespace

// Run under LeakSanitizer as well: nothing a flow creates may outlive its close.
TEST_F(SessionTest, ThousandRequestPaymentCyclesReturnTheKeyAndReleaseEveryScreen)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    std::size_t observers = center.observerCount();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
        ASSERT_EQ(keyWindow(), session()->sdkWindow()) << "cycle " << cycle;
        std::weak_ptr<platform::UIViewController> shown = session()->sdkWindow()->rootViewController();
        finishSlide();
        TavroMerchantSDK::endTavroFlow();
        finishSlide();
        ASSERT_EQ(keyWindow(), host) << "cycle " << cycle;
        ASSERT_TRUE(shown.expired()) << "cycle " << cycle;
    }
    EXPECT_EQ(center.observerCount(), observers);
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);
}

TEST_F(SessionTest, ThousandRefundCyclesReturnTheKeyAndReleaseEveryScreen)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    std::size_t observers = center.observerCount();
    auto delegate = std::make_shared<RefundPaymentDelegate>();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        if (cycle % 2)
            TavroMerchantSDK::launchRefundPaymnetFlow(validRefundRequest(), delegate);
        else
            TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
        ASSERT_EQ(keyWindow(), session()->sdkWindow()) << "cycle " << cycle;
        std::weak_ptr<platform::UIViewController> shown = session()->sdkWindow()->rootViewController();
        finishSlide();
        driver.tapAt({100, 300});
        TavroMerchantSDK::endTavroFlow();
        finishSlide();
        ASSERT_EQ(keyWindow(), host) << "cycle " << cycle;
        ASSERT_TRUE(shown.expired()) << "cycle " << cycle;
    }
    EXPECT_TRUE(delegate->results.empty());
    EXPECT_EQ(center.observerCount(), observers);
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);
}
