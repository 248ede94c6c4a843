#include "SessionTestFixture.h"

#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/ui/UIAlertController.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewAnimation.h"

using namespace sessiontest;
using tavro::TavroMerchantSDK;
using platform::UIView;
using platform::UIViewAnimationOptions;
using tavro::StringConstants;

namespace {

// After each case, the active flow is the flow the window shows.
class LaunchTest : public SessionTest {
protected:
    void TearDown() override { EXPECT_EQ(session()->activeSessionType(), shownFlow()); }
};

} // namespace

TEST_F(LaunchTest, SuccessfulRequestPaymentLaunchShowsTheQrScreenInTheFrameworkWindow)
{
    int calls = 0;
    auto request = validPaymentRequest();
    session()->requestPaymentSession()->setIsUpdated(true); // left over from an earlier flow
    TavroMerchantSDK::launchRequestPaymentFlow(request, [&](bool, auto, auto) { ++calls; });

    EXPECT_EQ(keyWindow(), session()->sdkWindow());
    EXPECT_EQ(session()->hostAppWindow(), host);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::requestPayment);
    // The flow runs on a copy of the host's request and keeps the host's own object beside it.
    const auto& shown = session()->requestPaymentSession()->request();
    ASSERT_TRUE(shown);
    EXPECT_NE(shown, request);
    EXPECT_EQ(shown->getTLV(), request->getTLV());
    EXPECT_EQ(session()->requestPaymentSession()->hostRequest(), request);
    EXPECT_FALSE(session()->requestPaymentSession()->isUpdated());
    auto navigation = shownNavigation();
    ASSERT_TRUE(navigation);
    ASSERT_EQ(navigation->viewControllers().size(), 1u);
    auto screen = navigation->viewControllers().front();
    EXPECT_TRUE(std::dynamic_pointer_cast<tavro::TAVRORequestPaymentViewController>(screen));
    EXPECT_TRUE(platform::isEqual(screen->viewIfLoaded()->backgroundColor(), platform::UIColor::white()));

    // The content slides up from below the screen: one 0.325 s ease-out animation of the root view.
    ASSERT_FALSE(UIView::animationLog().empty());
    const auto& slide = UIView::animationLog().back();
    EXPECT_DOUBLE_EQ(slide.duration, 0.325);
    EXPECT_DOUBLE_EQ(slide.delay, 0);
    EXPECT_TRUE(platform::contains(slide.options, UIViewAnimationOptions::curveEaseOut));
    EXPECT_TRUE(slide.touched(navigation->view()));
    finishSlide();
    EXPECT_EQ(navigation->view()->frame(), session()->sdkWindow()->bounds()) << driver.describeScreen();
    EXPECT_TRUE(screen->hasAppeared());

    // No idle time-out in this flow; closing it reports nothing.
    EXPECT_FALSE(session()->timeoutManager()->timer() && session()->timeoutManager()->timer()->isValid());
    endFlow();
    EXPECT_EQ(keyWindow(), host);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    EXPECT_EQ(calls, 0);
}

TEST_F(LaunchTest, TheWindowTakesTheScreensSizeAtEachLaunchAndFollowsItDuringAFlow)
{
    const auto screen = platform::UIScreen::main();
    auto onScreen = [&](const char* identifier) {
        const auto button = driver.find(identifier);
        return button && session()->sdkWindow()->frame() == screen->bounds() &&
               screen->bounds().contains(button->convert(button->bounds(), nullptr));
    };
    // A window left at another size (it follows no change of the screen then) is sized at the launch.
    session()->sdkWindow()->setFrame({0, 0, 375, 900});
    screen->setBounds({0, 0, 320, 568});
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    finishSlide();
    EXPECT_TRUE(onScreen("Payment_Details_Button")) << driver.describeScreen();

    // While a flow shows, the window follows the screen and the screens lay out again.
    screen->setBounds({0, 0, 414, 736});
    driver.runUntilIdle();
    EXPECT_TRUE(onScreen("Payment_Details_Button")) << driver.describeScreen();
    endFlow();
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    finishSlide();
    screen->setBounds({0, 0, 414, 480});
    driver.runUntilIdle();
    EXPECT_TRUE(onScreen("PAY_BUTTON")) << driver.describeScreen();
    endFlow();
}

TEST_F(LaunchTest, SuccessfulRefundLaunchShowsTheRefundScreenAndArmsTheIdleTimer)
{
    auto request = validRefundRequest("840");
    TavroMerchantSDK::launchRefundPaymentFlow(request, [](bool, auto, auto) {});

    auto navigation = shownNavigation();
    ASSERT_TRUE(navigation);
    EXPECT_TRUE(
        std::dynamic_pointer_cast<tavro::TAVRORefundPaymentViewController>(navigation->viewControllers().front()));
    const auto& shown = *session()->refundPaymentSession()->request();
    EXPECT_EQ(std::tie(shown.last4(), shown.cardHolderName(), shown.currencyCode(), shown.refundAmount()),
              std::tie(request->last4(), request->cardHolderName(), request->currencyCode(), request->refundAmount()));
    EXPECT_EQ(session()->activeCurrencyCode(), "840");
    ASSERT_TRUE(session()->timeoutManager()->timer());
    EXPECT_DOUBLE_EQ(session()->timeoutManager()->timer()->fireDate(), driver.clock()->now() + 180);
}

TEST_F(LaunchTest, RefusedRequestsAreReportedBeforeTheLaunchReturnsAndChangeNothing)
{
    std::vector<Result> heard; // by the closures of both flows
    const auto closure = recordInto(heard);
    auto requestDelegate = std::make_shared<RequestPaymentDelegate>();
    auto refundDelegate = std::make_shared<RefundPaymentDelegate>();
    // {launch, who hears it, error; a null request also writes a debug line}
    const std::tuple<std::function<void()>, const std::vector<Result>*, const char*, bool> cases[] = {
        {[&] { TavroMerchantSDK::launchRequestPaymentFlow(invalidPaymentRequest(), closure); }, &heard,
         "Merchant name not valid", false},
        {[&] { TavroMerchantSDK::launchRefundPaymentFlow(invalidRefundRequest(), closure); }, &heard,
         "Last four digits of the card cannot be empty", false},
        {[&] { TavroMerchantSDK::launchRequestPaymentFlow(nullptr, closure); }, &heard, "Payment request missing",
         true},
        {[&] { TavroMerchantSDK::launchRequestPaymentFlow(nullptr, requestDelegate); }, &requestDelegate->results,
         "Payment request missing", true},
        {[&] { TavroMerchantSDK::launchRefundPaymentFlow(nullptr, closure); }, &heard, "Refund request missing", true},
        {[&] { TavroMerchantSDK::launchRefundPaymnetFlow(nullptr, refundDelegate); }, &refundDelegate->results,
         "Refund request missing", true},
    };
    for (const auto& [launch, channel, error, logged] : cases) {
        SCOPED_TRACE(::testing::Message() << error << (channel == &heard ? ", closure" : ", delegate"));
        const auto before = channel->size();
        platform::DebugLogCapture log;
        launch();
        EXPECT_EQ(log.lines().size(), logged ? 1u : 0u);
        EXPECT_EQ(session()->activeSessionType(), shownFlow());
        [&, channel = channel, error = error] { // an assertion here ends this case only
            ASSERT_EQ(channel->size(), before + 1);
            EXPECT_FALSE(channel->back().successful);
            EXPECT_FALSE(channel->back().response);
            ASSERT_TRUE(channel->back().error);
            EXPECT_EQ(channel->back().error->errorCodes(), std::vector<std::string>{error});
        }();
    }

    // Nothing shown, no flow, no idle timer, configuration still accepted.
    EXPECT_EQ(keyWindow(), host);
    EXPECT_FALSE(session()->sdkWindow()->rootViewController());
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    EXPECT_FALSE(session()->requestPaymentSession()->request());
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);
    driver.advanceBy(400);
    EXPECT_FALSE(driver.presentedAlert());
    platform::DebugLogCapture log;
    TavroMerchantSDK::setupOneTimeConfiguration(platform::NSObject::create<tavro::TavroConfig>());
    EXPECT_TRUE(log.lines().empty());
}

// A refused launch answers only its own caller: the running refund keeps its channel, request and
// response, and reports its confirmation to its own host.
TEST_F(LaunchTest, RefusedRequestDuringARunningFlowLeavesThatFlowAlone)
{
    const auto refund = [](const char* last4) {
        return platform::NSObject::create<tavro::TavroRefundPaymentRequest>(last4, "Asha Rao", "356", "100.00");
    };
    std::vector<Result> heard, refused; // by the running refund's closure, by the refused callers
    auto refusedDelegate = std::make_shared<RefundPaymentDelegate>();
    const std::function<void()> refusals[] = {
        [&] { TavroMerchantSDK::launchRequestPaymentFlow(invalidPaymentRequest(), recordInto(refused)); },
        [&] { TavroMerchantSDK::launchRefundPaymnetFlow(nullptr, refusedDelegate); },
        [&] { TavroMerchantSDK::launchRefundPaymentFlow(refund("12a4"), recordInto(refused)); },
    };
    for (const auto& refuse : refusals) {
        heard.clear();
        refused.clear();
        refusedDelegate->results.clear();
        TavroMerchantSDK::launchRefundPaymentFlow(refund("1234"), recordInto(heard));
        finishSlide();
        auto shown = session()->sdkWindow()->rootViewController();
        refuse();
        EXPECT_EQ(refused.size() + refusedDelegate->results.size(), 1u);
        EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::refundPayment);
        EXPECT_EQ(session()->sdkWindow()->rootViewController(), shown);
        ASSERT_TRUE(session()->timeoutManager()->timer());
        EXPECT_TRUE(session()->timeoutManager()->timer()->isValid());
        ASSERT_TRUE(driver.tap("PAY_BUTTON") && driver.tapAlertAction(StringConstants::TAVRO_CONTINUE()));
        EXPECT_EQ(refundAmounts(heard), std::vector<std::string>{"100.00"});
        EXPECT_EQ(refused.size() + refusedDelegate->results.size(), 1u);
        EXPECT_EQ(session()->activeSessionType(), shownFlow());
        endFlow();
    }
}

TEST_F(LaunchTest, DelegatesReceiveFailuresAndTheChannelPassedLastWins)
{
    auto requestDelegate = std::make_shared<RequestPaymentDelegate>();
    TavroMerchantSDK::launchRequestPaymentFlow(invalidPaymentRequest(), requestDelegate);
    ASSERT_EQ(requestDelegate->results.size(), 1u);
    EXPECT_FALSE(requestDelegate->results[0].successful);
    EXPECT_FALSE(requestDelegate->results[0].response);
    EXPECT_EQ(requestDelegate->results[0].error->description(), "Merchant name not valid\n");
    EXPECT_FALSE(session()->requestPaymentSession()->delegate()); // a refused launch stores nothing
    EXPECT_FALSE(session()->sdkWindow()->rootViewController());

    // A closure launch, then a delegate launch: the delegate hears the second failure.
    auto refundDelegate = std::make_shared<RefundPaymentDelegate>();
    int closureCalls = 0;
    TavroMerchantSDK::launchRefundPaymentFlow(invalidRefundRequest(), [&](bool, auto, auto) { ++closureCalls; });
    TavroMerchantSDK::launchRefundPaymnetFlow(invalidRefundRequest(), refundDelegate);
    EXPECT_EQ(closureCalls, 1);
    ASSERT_EQ(refundDelegate->results.size(), 1u);
    EXPECT_FALSE(refundDelegate->results[0].successful);
    EXPECT_FALSE(session()->refundPaymentSession()->flowDidFinishCompletionHandler());
    // Accepted, a delegate launch is held strongly and drops the closure of an earlier launch.
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool, auto, auto) { ++closureCalls; });
    TavroMerchantSDK::launchRefundPaymnetFlow(validRefundRequest(), refundDelegate);
    EXPECT_EQ(session()->refundPaymentSession()->delegate(), refundDelegate);
    EXPECT_FALSE(session()->refundPaymentSession()->flowDidFinishCompletionHandler());

    // A closure launch after a delegate launch: only the closure hears it.
    int laterClosureCalls = 0;
    TavroMerchantSDK::launchRequestPaymentFlow(invalidPaymentRequest(), [&](bool, auto, auto) { ++laterClosureCalls; });
    EXPECT_EQ(laterClosureCalls, 1);
    EXPECT_EQ(requestDelegate->results.size(), 1u);
}

// The key goes back to the host window a launch remembered: the key window, unless it is the
// framework's own; with no key window, the one remembered for the flow still shown, else none (the
// framework window then hides rather than keep the key).
TEST_F(LaunchTest, TheKeyGoesBackToTheLiveHostWindowALaunchRemembered)
{
    // {a second window made key and dropped before the second launch, the first flow still shown}
    const std::tuple<bool, bool> cases[] = {{false, true}, {true, true}, {true, false}};
    for (const auto& [dropped, overFlow] : cases) {
        SCOPED_TRACE(::testing::Message() << "dropped " << dropped << ", over the flow " << overFlow);
        TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
        finishSlide();
        auto first = session()->sdkWindow()->rootViewController();
        if (!overFlow)
            endFlow();
        if (dropped)
            platform::NSObject::create<platform::UIWindow>()->makeKeyAndVisible();
        TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
        EXPECT_NE(session()->sdkWindow()->rootViewController(), first);
        const auto expected = overFlow ? host : nullptr;
        EXPECT_EQ(session()->hostAppWindow(), expected);

        bool completed = false;
        TavroMerchantSDK::endTavroFlow([&] { completed = true; });
        finishSlide();
        EXPECT_TRUE(completed);
        EXPECT_EQ(keyWindow(), expected);
        EXPECT_EQ(session()->sdkWindow()->isHidden(), !expected);
    }
}

// The refund confirmed a moment before a launch reports first; a refund its closure launches then
// is replaced by the launch being made, in the session and in the window alike.
TEST_F(LaunchTest, ALaunchFromAConfirmedRefundsClosureIsReplacedByTheLaunchBeingMade)
{
    std::vector<Result> heard;
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool ok, auto response, auto error) {
        heard.push_back({ok, response, error});
        TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest("840"), [](bool, auto, auto) {});
    });
    finishSlide();
    ASSERT_TRUE(driver.tap("PAY_BUTTON") && driver.presentedAlert());
    ASSERT_TRUE(driver.tap(driver.presentedAlert()->buttonForAction(StringConstants::TAVRO_CONTINUE())));
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    EXPECT_EQ(refundAmounts(heard), std::vector<std::string>{"150.00"});
    finishSlide();
    EXPECT_TRUE(std::dynamic_pointer_cast<tavro::TAVRORequestPaymentViewController>(driver.currentScreen()));
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::requestPayment);
    EXPECT_EQ(session()->activeCurrencyCode(), "356");
    driver.advanceBy(181);
    EXPECT_FALSE(driver.presentedAlert());
}

TEST_F(LaunchTest, EndingWithNothingOnScreenEndsTheFlowAndCallsTheCompletion)
{
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    int completions = 0;
    TavroMerchantSDK::endTavroFlow([&] { ++completions; });
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
    EXPECT_EQ(keyWindow(), host);
    EXPECT_EQ(platform::RunLoop::main().pendingTimerCount(), 0u);

    // Without a completion and without any window at all, too.
    platform::UIApplication::shared()->reset();
    TavroMerchantSDK::endTavroFlow();
    EXPECT_FALSE(keyWindow());
}

TEST_F(LaunchTest, ConfigurationIsCopiedAndRefusedDuringAFlow)
{
    auto config = platform::NSObject::create<tavro::TavroConfig>();
    config->setFontColor(platform::UIColor::red());
    TavroMerchantSDK::setupOneTimeConfiguration(config);
    EXPECT_NE(session()->internalConfiguration(), config);
    EXPECT_TRUE(platform::isEqual(session()->internalConfiguration()->fontColor(), platform::UIColor::red()));
    config->setFontColor(platform::UIColor::green());
    EXPECT_TRUE(platform::isEqual(session()->internalConfiguration()->fontColor(), platform::UIColor::red()));

    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    {
        platform::DebugLogCapture log;
        TavroMerchantSDK::setupOneTimeConfiguration(config);
        EXPECT_EQ(log.lines(), std::vector<std::string>{"Error: Cannot set configuration during SDK Flow"});
        EXPECT_TRUE(platform::isEqual(session()->internalConfiguration()->fontColor(), platform::UIColor::red()));
    }
    endFlow();
    TavroMerchantSDK::setupOneTimeConfiguration(config);
    EXPECT_TRUE(platform::isEqual(session()->internalConfiguration()->fontColor(), platform::UIColor::green()));
}
