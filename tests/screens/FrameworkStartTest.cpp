// The start-up wiring: whichever entry point a host calls first wires the framework, and a second
// start() leaves the wiring as it is.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/UINavigationController.h"

#include <cstdlib>
#include <iostream>

using tavro::TavroActiveFlow;
using tavro::TavroMerchantSDK;
using tavro::TavroSession;

namespace {

// The flow screen on top of the framework's window, if it is a `Screen`.
template <class Screen>
std::shared_ptr<Screen> shownScreen()
{
    auto navigation = std::dynamic_pointer_cast<platform::UINavigationController>(
        TavroSession::sharedSession()->sdkWindow()->rootViewController());
    return navigation ? std::dynamic_pointer_cast<Screen>(navigation->topViewController()) : nullptr;
}

// What the wiring lacks after an entry point ran: the launcher's screens, or the session as the
// reference data's source of colours and currency. Empty when all is in place.
std::string missingWiring()
{
    std::string missing;
    if (!tavro::tavroFlowScreenMakers().isComplete())
        missing += "flow screens; ";
    if (!tavro::configuredActionButtonColors())
        missing += "configuration colours; ";
    TavroSession::sharedSession()->setActiveSessionType(TavroActiveFlow::refundPayment);
    TavroSession::sharedSession()->refundPaymentSession()->setRequest(sessiontest::validRefundRequest("840"));
    if (tavro::activeCurrencyCode() != "840")
        missing += "active currency; ";
    return missing;
}

struct EntryPoint {
    const char* name;
    // Calls the entry point in a process where nothing called start(); returns what went wrong.
    std::function<std::string()> callAndCheck;
};

// What is wrong after a launch that should show `Screen`.
template <class Screen>
std::string launchProblems()
{
    return (shownScreen<Screen>() ? "" : "no flow screen shown; ") + missingWiring();
}

} // namespace

TEST(FrameworkStartDeathTest, EveryEntryPointWiresAFreshProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // each case re-runs the program: nothing is wired yet
    const std::vector<EntryPoint> entryPoints = {
        {"setupOneTimeConfiguration",
         [] {
             auto config = platform::NSObject::create<tavro::TavroConfig>();
             config->setActionButtonColor(platform::UIColor::red());
             TavroMerchantSDK::setupOneTimeConfiguration(config);
             auto colors = tavro::configuredActionButtonColors();
             std::string problem = colors && platform::isEqual(colors->actionButtonColor, platform::UIColor::red())
                                       ? ""
                                       : "configured colour not read; ";
             return problem + missingWiring();
         }},
        {"launchRequestPaymentFlow with a closure",
         [] {
             TavroMerchantSDK::launchRequestPaymentFlow(sessiontest::validPaymentRequest(), [](bool, auto, auto) {});
             return launchProblems<tavro::TAVRORequestPaymentViewController>();
         }},
        {"launchRequestPaymentFlow with a delegate",
         [] {
             auto delegate = std::make_shared<sessiontest::RequestPaymentDelegate>();
             TavroMerchantSDK::launchRequestPaymentFlow(sessiontest::validPaymentRequest(), delegate);
             return launchProblems<tavro::TAVRORequestPaymentViewController>();
         }},
        {"launchRefundPaymentFlow",
         [] {
             TavroMerchantSDK::launchRefundPaymentFlow(sessiontest::validRefundRequest(), [](bool, auto, auto) {});
             return launchProblems<tavro::TAVRORefundPaymentViewController>();
         }},
        {"launchRefundPaymnetFlow",
         [] {
             auto delegate = std::make_shared<sessiontest::RefundPaymentDelegate>();
             TavroMerchantSDK::launchRefundPaymnetFlow(sessiontest::validRefundRequest(), delegate);
             return launchProblems<tavro::TAVRORefundPaymentViewController>();
         }},
        {"endTavroFlow",
         [] {
             bool closed = false;
             TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
             platform::RunLoop::main().runUntilIdle();
             return std::string(closed ? "" : "completion not called; ") + missingWiring();
         }},
    };
    for (const auto& entry : entryPoints) {
        SCOPED_TRACE(entry.name);
        EXPECT_EXIT(
            {
                platform::UIDriver driver;
                auto problems = entry.callAndCheck();
                std::cerr << problems;
                std::exit(problems.empty() ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST(FrameworkStart, ASecondStartLeavesTheWiringAsItIs)
{
    platform::UIDriver driver;
    TavroMerchantSDK::start();
    // A maker that counts the screens it makes, put over the one start() installed.
    auto makers = tavro::tavroFlowScreenMakers();
    int made = 0;
    auto original = makers.requestPaymentScreen;
    makers.requestPaymentScreen = [&made, original] {
        ++made;
        return original();
    };
    tavro::registerTavroFlowScreenMakers(makers);

    TavroMerchantSDK::start();
    TavroMerchantSDK::launchRequestPaymentFlow(sessiontest::validPaymentRequest(), [](bool, auto, auto) {});
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(shownScreen<tavro::TAVRORequestPaymentViewController>());
    TavroMerchantSDK::endTavroFlow();
    driver.runUntilIdle();
    EXPECT_EQ(missingWiring(), "");

    makers.requestPaymentScreen = original;
    tavro::registerTavroFlowScreenMakers(makers);
}
