#pragma once
// Fixture of the flow tests: a driver on a manual clock, a host window that is key at the start,
// and the process-wide session put back to its start state (by the environment) around every case.

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sessiontest {

using tavro::TavroActiveFlow;
using tavro::TavroSession;

// The host's window; tells when it becomes key again.
class HostWindow : public platform::UIWindow {
public:
    std::function<void()> onBecomeKey;
    void becomeKeyWindow() override
    {
        if (onBecomeKey)
            onBecomeKey();
    }
};

// A request-payment request that passes every rule.
inline std::shared_ptr<tavro::TavroPaymentRequest> validPaymentRequest()
{
    return platform::NSObject::create<tavro::TavroPaymentRequest>(
        "01", "11", "4123456784", "Corner Cafe", "5812", "Pune", "IN", "356", "", "", "", "411001", "", "", "", "");
}

// A request-payment request whose merchant name is missing ("Merchant name not valid").
inline std::shared_ptr<tavro::TavroPaymentRequest> invalidPaymentRequest()
{
    auto request = validPaymentRequest();
    request->setMerchantName("");
    return request;
}

inline std::shared_ptr<tavro::TavroRefundPaymentRequest> validRefundRequest(std::string currency = "356")
{
    return platform::NSObject::create<tavro::TavroRefundPaymentRequest>("1234", "Asha Rao", std::move(currency),
                                                                        "150.00");
}

// Refused with "Last four digits of the card cannot be empty".
inline std::shared_ptr<tavro::TavroRefundPaymentRequest> invalidRefundRequest()
{
    return platform::NSObject::create<tavro::TavroRefundPaymentRequest>("", "Asha Rao", "356", "150.00");
}

// The navigation controller the framework window shows; null when it shows none.
inline std::shared_ptr<tavro::TavroMerchantNavigationController> shownNavigation()
{
    return std::dynamic_pointer_cast<tavro::TavroMerchantNavigationController>(
        TavroSession::sharedSession()->sdkWindow()->rootViewController());
}

// The flow of the screen the framework window shows; none when it shows nothing.
inline TavroActiveFlow shownFlow()
{
    const auto navigation = shownNavigation();
    const auto screen = navigation ? navigation->viewControllers().front() : nullptr;
    if (std::dynamic_pointer_cast<tavro::TAVRORefundPaymentViewController>(screen))
        return TavroActiveFlow::refundPayment;
    return screen ? TavroActiveFlow::requestPayment : TavroActiveFlow::none;
}

// What one result channel was called with.
struct Result {
    bool successful = false;
    std::shared_ptr<void> response;
    std::shared_ptr<tavro::TavroError> error;
};

// A result closure that records every call into `results`.
inline auto recordInto(std::vector<Result>& results)
{
    return [&results](bool ok, auto response, auto error) { results.push_back({ok, response, error}); };
}

// The refund amounts a channel heard, in order; "none" for a result without a response.
inline std::vector<std::string> refundAmounts(const std::vector<Result>& results)
{
    std::vector<std::string> amounts;
    for (const auto& result : results) {
        const auto response = std::static_pointer_cast<tavro::TavroRefundPaymentResponse>(result.response);
        amounts.push_back(response ? response->refundAmount() : "none");
    }
    return amounts;
}

struct RequestPaymentDelegate : tavro::TavroRequestPaymentDelegate {
    std::vector<Result> results;
    void requestPaymentFlowDidFinish(bool successful, std::shared_ptr<tavro::TavroRequestPaymentResponse> response,
                                     std::shared_ptr<tavro::TavroError> error) override
    {
        results.push_back({successful, response, error});
    }
};

struct RefundPaymentDelegate : tavro::TavroRefundPaymentDelegate {
    std::vector<Result> results;
    void refundPaymentFlowDidFinish(bool successful, std::shared_ptr<tavro::TavroRefundPaymentResponse> response,
                                    std::shared_ptr<tavro::TavroError> error) override
    {
        results.push_back({successful, response, error});
    }
};

class SessionTest : public ::testing::Test {
protected:
    // The driver's test environment puts the session (and every other singleton) back before and
    // after each case.
    void SetUp() override
    {
        tavro::TavroMerchantSDK::start();
        host = platform::NSObject::create<HostWindow>();
        host->setRootViewController(platform::NSObject::create<platform::UIViewController>());
        host->makeKeyAndVisible();
        driver.runUntilIdle();
    }
    void TearDown() override { platform::Locale::setCurrent(std::nullopt); } // a case's device locale

    const std::shared_ptr<TavroSession>& session() const { return TavroSession::sharedSession(); }
    std::shared_ptr<platform::UIWindow> keyWindow() const { return platform::UIApplication::shared()->keyWindow(); }
    // Runs the content slide (and anything queued) to its end.
    void finishSlide() { driver.advanceBy(tavro::TavroWindow::animationTime + 0.01); }
    // Ends the flow and runs its slide out to the end.
    void endFlow()
    {
        tavro::TavroMerchantSDK::endTavroFlow();
        finishSlide();
    }

    platform::UIDriver driver;
    std::shared_ptr<HostWindow> host;
};

} // namespace sessiontest
