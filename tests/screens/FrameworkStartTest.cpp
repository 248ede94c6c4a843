// The start-up wiring: whichever entry point a host calls first wires the framework, and a second
// start() leaves the wiring as it is.

#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "platform/ui/UINavigationController.h"

#include <cstdlib>
#include <iostream>

using tavro::TavroActiveFlow;
using tavro::TavroMerchantSDK;
using tavro::TavroSession;

namespace {

// What the wiring lacks: the launcher's screens, or the session as the source of the colours and the
// currency the reference data reads. Empty when all is in place.
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

} // namespace

TEST(FrameworkStartDeathTest, EveryEntryPointWiresAFreshProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // each case re-runs the program: nothing is wired yet
    auto payments = std::make_shared<sessiontest::RequestPaymentDelegate>();
    auto refunds = std::make_shared<sessiontest::RefundPaymentDelegate>();
    auto payment = sessiontest::validPaymentRequest();
    auto refund = sessiontest::validRefundRequest();
    struct EntryPoint {
        const char* name;
        std::function<void()> call;
        bool opensFlow;
    };
    const std::vector<EntryPoint> entryPoints = {
        {"setupOneTimeConfiguration",
         [] { TavroMerchantSDK::setupOneTimeConfiguration(platform::NSObject::create<tavro::TavroConfig>()); }, false},
        {"request, closure", [&] { TavroMerchantSDK::launchRequestPaymentFlow(payment, [](bool, auto, auto) {}); },
         true},
        {"request, delegate", [&] { TavroMerchantSDK::launchRequestPaymentFlow(payment, payments); }, true},
        {"refund, closure", [&] { TavroMerchantSDK::launchRefundPaymentFlow(refund, [](bool, auto, auto) {}); }, true},
        {"refund, delegate", [&] { TavroMerchantSDK::launchRefundPaymnetFlow(refund, refunds); }, true},
        {"endTavroFlow", [] { TavroMerchantSDK::endTavroFlow(); }, false},
    };
    for (const auto& entry : entryPoints) {
        SCOPED_TRACE(entry.name);
        EXPECT_EXIT(
            {
                platform::UIDriver driver;
                entry.call();
                const bool shown = TavroSession::sharedSession()->sdkWindow()->rootViewController() != nullptr;
                const std::string problems = (entry.opensFlow && !shown ? "no flow shown; " : "") + missingWiring();
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
    auto original = makers.requestPaymentScreen;
    int made = 0;
    makers.requestPaymentScreen = [&made, original] { return ++made, original(); };
    tavro::registerTavroFlowScreenMakers(makers);

    TavroMerchantSDK::start();
    TavroMerchantSDK::launchRequestPaymentFlow(sessiontest::validPaymentRequest(), [](bool, auto, auto) {});
    EXPECT_EQ(made, 1);
    TavroMerchantSDK::endTavroFlow();
    driver.runUntilIdle();
    EXPECT_EQ(missingWiring(), "");

    makers.requestPaymentScreen = original;
    tavro::registerTavroFlowScreenMakers(makers);
}
