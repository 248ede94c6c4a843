#include "SessionTestFixture.h"
#include "WatchedTextField.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"

using namespace sessiontest;
using tavro::StringConstants;
using tavro::TavroMerchantSDK;

namespace {

// Counts "TAVROSessionTimeOut" posts and remembers whether any carried an object.
struct TimeoutObserver {
    int posts = 0;
    double lastPostTime = -1;
    bool sawObject = false;
    std::shared_ptr<platform::NotificationObserverToken> token =
        platform::NotificationCenter::defaultCenter().addObserver(
            "TAVROSessionTimeOut", [this](const platform::Notification& note) {
                ++posts;
                lastPostTime = platform::RunLoop::main().now();
                sawObject = sawObject || note.object() || !note.userInfo().empty();
            });
};

} // namespace

TEST_F(SessionTest, RefundIdleTimeOutIsPostponedByTouchesAndClosesWithoutAResult)
{
    int results = 0;
    TimeoutObserver observer;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool, auto, auto) { ++results; });

    driver.advanceBy(179);
    EXPECT_EQ(observer.posts, 0);
    driver.tapAt({187, 400}); // a touch anywhere in the framework window
    driver.advanceBy(179.9);
    EXPECT_EQ(observer.posts, 0);
    EXPECT_FALSE(driver.presentedAlert());
    driver.advanceBy(0.2);
    EXPECT_EQ(observer.posts, 1);
    EXPECT_DOUBLE_EQ(observer.lastPostTime, 359);
    EXPECT_FALSE(observer.sawObject);

    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), std::optional<std::string>(""));
    EXPECT_EQ(alert->message(), StringConstants::TAVRO_SESSION_TIMEOUT_DIALOG());
    EXPECT_EQ(alert->preferredStyle(), platform::UIAlertControllerStyle::alert);
    ASSERT_EQ(alert->actions().size(), 1u);
    EXPECT_EQ(alert->actions()[0]->title(), StringConstants::TAVRO_OK());
    EXPECT_EQ(alert->actions()[0]->style(), platform::UIAlertActionStyle::cancel);

    EXPECT_TRUE(driver.tapAlertAction(StringConstants::TAVRO_OK()));
    driver.advanceBy(1);
    EXPECT_EQ(results, 0);
    EXPECT_EQ(keyWindow(), host);
    EXPECT_FALSE(session()->sdkWindow()->rootViewController());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    driver.advanceBy(1000);
    EXPECT_EQ(observer.posts, 1);
}

TEST_F(SessionTest, TypingPostponesTheTimeOutAndAnIdleFlowTimesOutOnce)
{
    TimeoutObserver observer;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    driver.advanceBy(100);
    platform::NotificationCenter::defaultCenter().post(platform::UITextFieldTextDidChange);
    driver.advanceBy(179);
    EXPECT_EQ(observer.posts, 0);
    driver.advanceBy(1);
    EXPECT_EQ(observer.posts, 1);
    // The alert waits; the timer is not re-armed on its own.
    driver.advanceBy(1000);
    EXPECT_EQ(observer.posts, 1);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::refundPayment);
}

TEST_F(SessionTest, TimeOutWithNothingOnScreenOnlyPosts)
{
    TimeoutObserver observer;
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    driver.advanceBy(180);
    EXPECT_EQ(observer.posts, 1);
    EXPECT_FALSE(driver.presentedAlert());
    EXPECT_EQ(keyWindow(), host);
}

TEST_F(SessionTest, ActivityOnTheTimeOutAlertNeverStacksASecondAlert)
{
    TimeoutObserver observer;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    driver.advanceBy(180);
    auto first = driver.presentedAlert();
    ASSERT_TRUE(first);
    driver.advanceBy(1);

    // A touch on the alert re-arms the timer, which fires again while the alert is up.
    platform::NotificationCenter::defaultCenter().post(StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
    driver.advanceBy(181);
    EXPECT_EQ(observer.posts, 2);
    EXPECT_EQ(driver.presentedAlert(), first);
    EXPECT_FALSE(first->presentedViewController());

    // Once the alert has gone, a later time-out shows one again.
    EXPECT_TRUE(driver.tapAlertAction(StringConstants::TAVRO_OK()));
    driver.advanceBy(1);
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    driver.advanceBy(181);
    auto next = driver.presentedAlert();
    ASSERT_TRUE(next);
    EXPECT_NE(next, first);
}

// The host ends the flow or launches the payment flow from its observer, over the refund screen
// or its confirmation: no alert shows over another flow or a closing one, and later flows take
// their taps.
TEST_F(SessionTest, AHostAnsweringTheTimeOutGetsNoAlertOverAnotherFlow)
{
    int refunds = 0;
    const auto refund = [&] {
        TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](auto...) { ++refunds; });
        finishSlide();
    };
    const auto pay = [] { TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](auto...) {}); };
    const auto end = [this] { TavroMerchantSDK::endTavroFlow(), driver.advanceBy(1); };
    for (bool launches : {false, true})
        for (bool confirming : {false, true}) {
            SCOPED_TRACE(testing::Message() << "launches " << launches << ", confirming " << confirming);
            refunds = 0;
            refund();
            ASSERT_TRUE(!confirming || driver.tap("PAY_BUTTON"));
            platform::NotificationCenter::defaultCenter().post(StringConstants::SESSION_TOUCH_EVENT_OCCURRED());
            auto observer = platform::NotificationCenter::defaultCenter().addObserver(
                "TAVROSessionTimeOut", [&](auto&) { launches ? pay() : TavroMerchantSDK::endTavroFlow(); });
            driver.advanceBy(180);
            observer.reset();
            EXPECT_FALSE(driver.presentedAlert());
            driver.advanceBy(200);
            EXPECT_FALSE(driver.presentedAlert());
            EXPECT_EQ(session()->activeSessionType(),
                      launches ? TavroActiveFlow::requestPayment : TavroActiveFlow::none);
            if (launches)
                end();
            EXPECT_EQ(keyWindow(), host);

            refund();
            EXPECT_TRUE(driver.tap("PAY_BUTTON") && driver.tapAlertAction(StringConstants::TAVRO_CONTINUE()));
            EXPECT_EQ(refunds, 1);
            end();
            pay();
            finishSlide();
            EXPECT_TRUE(driver.tap("Payment_Details_Button"));
            driver.advanceBy(0.5);
            EXPECT_TRUE(driver.find("Update_Payment_Details_Button"));
            end();
        }
}

// OK tapped, and the host launches before the alert has gone: the new flow stays.
TEST_F(SessionTest, TheTimeOutAlertClosesOnlyTheFlowItWasShownOver)
{
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    driver.advanceBy(181);
    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert && driver.tap(alert->buttonForAction(StringConstants::TAVRO_OK())));
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    driver.advanceBy(1);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::requestPayment);
    EXPECT_EQ(keyWindow(), session()->sdkWindow());
}

TEST_F(SessionTest, TheTimeOutAlertComesFromTheTopmostControllerOnceEditingHasEnded)
{
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    finishSlide();
    auto upper = platform::NSObject::create<platform::UIViewController>();
    session()->sdkWindow()->rootViewController()->present(upper, false);
    driver.runUntilIdle();
    auto field = platform::NSObject::create<WatchedTextField>();
    upper->view()->addSubview(field);
    ASSERT_TRUE(field->becomeFirstResponder());
    bool alertShownAtResign = true;
    field->onResign = [&] { alertShownAtResign = upper->presentedViewController() != nullptr; };

    driver.advanceBy(180);
    auto alert = driver.presentedAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->presentingViewController(), upper);
    EXPECT_EQ(field->resignations, 1);
    EXPECT_FALSE(alertShownAtResign);
}

TEST_F(SessionTest, AssigningTheSameFlowAgainRestartsTheIdleTimer)
{
    TimeoutObserver observer;
    const double start = driver.clock()->now();
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    driver.advanceBy(100);
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    driver.advanceBy(179);
    EXPECT_EQ(observer.posts, 0);
    driver.advanceBy(2);
    EXPECT_EQ(observer.posts, 1);
    EXPECT_DOUBLE_EQ(observer.lastPostTime, start + 280);
}
