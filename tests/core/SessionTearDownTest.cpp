#include "SessionTestFixture.h"
#include "WatchedTextField.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIViewAnimation.h"

using namespace sessiontest;
using tavro::TavroMerchantSDK;

namespace {

// A presented screen that notes when it has gone.
class NotingController : public platform::UIViewController {
public:
    NotingController(std::string name, std::vector<std::string>& events) : m_name(std::move(name)), m_events(events) {}
    void viewDidDisappear(bool) override { m_events.push_back(m_name + " gone"); }

private:
    std::string m_name;
    std::vector<std::string>& m_events;
};

} // namespace

TEST_F(SessionTest, EndTavroFlowTearsDownInOrder)
{
    std::vector<std::string> events;
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(),
                                               [&](bool, auto, auto) { events.push_back("result"); });
    finishSlide();
    auto root = session()->sdkWindow()->rootViewController();
    auto lower = platform::NSObject::create<NotingController>("lower", events);
    auto upper = platform::NSObject::create<NotingController>("upper", events);
    root->present(lower, false);
    driver.runUntilIdle();
    lower->present(upper, false);
    driver.runUntilIdle();
    events.clear();
    std::weak_ptr<platform::UIViewController> weakRoot = root;
    root.reset();

    std::size_t animationsBefore = platform::UIView::animationLog().size();
    host->onBecomeKey = [&] {
        events.push_back("host key");
        // The slide has run, the root is still installed and the flow still set.
        EXPECT_EQ(platform::UIView::animationLog().size(), animationsBefore + 1);
        EXPECT_TRUE(session()->sdkWindow()->rootViewController());
        EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::requestPayment);
    };
    double start = driver.clock()->now();
    TavroMerchantSDK::endTavroFlow([&] {
        events.push_back("completion");
        EXPECT_FALSE(session()->sdkWindow()->rootViewController());
        EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    });
    driver.advanceBy(2);

    EXPECT_EQ(events, (std::vector<std::string>{"upper gone", "lower gone", "host key", "completion"}));
    // Each dismissal is animated, one after the other, then the 0.325 s slide down.
    ASSERT_EQ(platform::UIView::animationLog().size(), animationsBefore + 1);
    const auto& slide = platform::UIView::animationLog().back();
    EXPECT_DOUBLE_EQ(slide.duration, tavro::TavroWindow::animationTime);
    EXPECT_GE(slide.startTime, start + 0.6 - 1e-9);
    EXPECT_EQ(keyWindow(), host);
    EXPECT_TRUE(weakRoot.expired());
    EXPECT_TRUE(upper.use_count() == 1 && lower.use_count() == 1);
}

TEST_F(SessionTest, ASecondCloseDuringTheSlideCompletesBothCallers)
{
    // Closed just before the idle time-out: it never comes over the content sliding away.
    int timeOuts = 0;
    auto token = platform::NotificationCenter::defaultCenter().addObserver(
        "TAVROSessionTimeOut", [&timeOuts](const platform::Notification&) { ++timeOuts; });
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    driver.advanceBy(session()->activeIdleTimeout() - 0.2);
    int completions = 0;
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    finishSlide();
    EXPECT_EQ(timeOuts, 0);
    EXPECT_EQ(completions, 2);
    EXPECT_EQ(keyWindow(), host);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
}

TEST_F(SessionTest, ALaunchDuringTheSlideOutStaysOnScreen)
{
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    finishSlide();
    int completions = 0;
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    driver.advanceBy(0.1);
    int results = 0;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool, auto, auto) { ++results; });
    auto refundRoot = session()->sdkWindow()->rootViewController();
    finishSlide();

    // The earlier close finishes for its caller without touching the new flow.
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(session()->sdkWindow()->rootViewController(), refundRoot);
    EXPECT_EQ(keyWindow(), session()->sdkWindow());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::refundPayment);
    ASSERT_TRUE(session()->timeoutManager()->timer());
    EXPECT_TRUE(session()->timeoutManager()->timer()->isValid());
    EXPECT_EQ(session()->hostAppWindow(), host);

    TavroMerchantSDK::endTavroFlow();
    finishSlide();
    EXPECT_EQ(keyWindow(), host);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    EXPECT_EQ(results, 0);
}

// Host code run from the key hand-off of a close (the host window becoming key, the framework window
// resigning): what it launches there stays and works to its result; the closing caller still hears.
TEST_F(SessionTest, HostCodeOnTheKeyHandOffKeepsWhatItLaunched)
{
    enum Reaction { launch, refusedLaunch, endAgain, launchTwice };
    const char* const onHost = platform::UIWindowDidBecomeKeyNotification;
    const char* const onFramework = platform::UIWindowDidResignKeyNotification;
    // {notification, reaction, host window released before the close (the framework window hides)}
    const std::tuple<const char*, Reaction, bool> cases[] = {
        {onHost, launch, false},   {onFramework, launch, false}, {onHost, refusedLaunch, false},
        {onHost, endAgain, false}, {onHost, launchTwice, false}, {onFramework, launch, true},
    };
    for (const auto& [name, reaction, hostGone] : cases) {
        SCOPED_TRACE(::testing::Message() << name << " " << reaction << (hostGone ? " gone" : ""));
        std::vector<Result> closed, launched, others;
        TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), recordInto(closed));
        finishSlide();
        if (hostGone)
            host.reset();
        int completions = 0, posts = 0;
        auto token = platform::NotificationCenter::defaultCenter().addObserver(
            name,
            [&, reaction = reaction](const platform::Notification&) {
                if (posts++)
                    return;
                if (reaction == launchTwice || reaction == refusedLaunch)
                    TavroMerchantSDK::launchRefundPaymentFlow(
                        reaction == launchTwice ? validRefundRequest() : invalidRefundRequest(), recordInto(others));
                if (reaction == endAgain)
                    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
                else if (reaction != refusedLaunch)
                    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), recordInto(launched));
            },
            name == onHost ? std::shared_ptr<void>(host) : std::shared_ptr<void>(session()->sdkWindow()));
        TavroMerchantSDK::endTavroFlow([&] { ++completions; });
        finishSlide();
        token.reset();

        const bool stays = reaction == launch || reaction == launchTwice;
        EXPECT_EQ(completions, reaction == endAgain ? 2 : 1);
        EXPECT_EQ(shownFlow(), stays ? TavroActiveFlow::refundPayment : TavroActiveFlow::none);
        EXPECT_EQ(session()->activeSessionType(), shownFlow());
        EXPECT_EQ(keyWindow(), stays ? session()->sdkWindow() : std::shared_ptr<platform::UIWindow>(host));
        if (stays) {
            EXPECT_TRUE(driver.currentScreen()->hasAppeared());
            EXPECT_TRUE(driver.tap("PAY_BUTTON") && driver.tapAlertAction(tavro::StringConstants::TAVRO_CONTINUE()));
            EXPECT_EQ(refundAmounts(launched), std::vector<std::string>{"150.00"});
            endFlow();
        }
        EXPECT_TRUE(closed.empty());
        EXPECT_EQ(others.size(), reaction == refusedLaunch ? 1u : 0u);
    }
}

TEST_F(SessionTest, ClosingEndsEditingBeforeTheSlide)
{
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    finishSlide();
    auto field = platform::NSObject::create<WatchedTextField>();
    session()->sdkWindow()->rootViewController()->view()->addSubview(field);
    ASSERT_TRUE(field->becomeFirstResponder());
    const std::size_t animationsBefore = platform::UIView::animationLog().size();
    std::size_t animationsAtResign = 0;
    field->onResign = [&] { animationsAtResign = platform::UIView::animationLog().size(); };

    TavroMerchantSDK::endTavroFlow(nullptr);
    finishSlide();
    EXPECT_EQ(field->resignations, 1);
    EXPECT_EQ(animationsAtResign, animationsBefore) << "editing ended before the slide started";
    EXPECT_EQ(platform::UIView::animationLog().size(), animationsBefore + 1);
}

TEST_F(SessionTest, ClosingAfterTheHostWindowWasReleasedStillEndsTheFlow)
{
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    finishSlide();
    std::weak_ptr<platform::UIWindow> released = host;
    host.reset();
    ASSERT_TRUE(released.expired());

    int completions = 0;
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    finishSlide();
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(session()->sdkWindow()->rootViewController());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    // With no window to give the key to, the framework window hides.
    EXPECT_TRUE(session()->sdkWindow()->isHidden());
    EXPECT_FALSE(keyWindow());
}

TEST_F(SessionTest, LaunchingWithNoKeyWindowShowsTheFlowAndClosesCleanly)
{
    host.reset();
    ASSERT_FALSE(keyWindow());
    int results = 0;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool, auto, auto) { ++results; });
    finishSlide();
    EXPECT_EQ(keyWindow(), session()->sdkWindow());
    EXPECT_TRUE(session()->sdkWindow()->rootViewController());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::refundPayment);

    int completions = 0;
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    finishSlide();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(results, 0);
    EXPECT_FALSE(session()->sdkWindow()->rootViewController());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
}
