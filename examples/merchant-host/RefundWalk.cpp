// The refund flow as a merchant walks it: the refund screen with the card holder and the amount,
// a smaller amount typed, pay, the confirmation, continue, and the result the host receives.
#include "HostWalk.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

using namespace tavro;
using platform::NSObject;

void walkRefund(HostWalk& walk, const std::string& currencyCode)
{
    auto& driver = walk.driver();
    auto request = NSObject::create<TavroRefundPaymentRequest>("1234", "Asha Rao", currencyCode, "150.00");
    int results = 0;
    bool successful = false;
    std::string refunded;
    TavroMerchantSDK::launchRefundPaymentFlow(
        request, [&](bool ok, std::shared_ptr<TavroRefundPaymentResponse> response, std::shared_ptr<TavroError>) {
            ++results;
            successful = ok;
            refunded = response ? response->refundAmount() : "";
        });
    if (platform::UIApplication::shared()->keyWindow() != TavroSession::sharedSession()->sdkWindow()) {
        walk.report("refund", "the launch was refused", false);
        return;
    }
    driver.advanceBy(TavroWindow::animationTime);
    driver.runUntilIdle();
    walk.report("refund", "up to " + request->refundAmount() + " to " + request->cardHolderName() + ", card ending " +
                              request->last4());
    walk.picture("refund");

    const bool focused = driver.focus(driver.find("paymentAmountTextField"));
    driver.backspace(12);
    const bool typed = driver.type("2500") == 4;
    driver.pressDone();
    walk.report("amount", "changed to 25.00", focused && typed);
    walk.picture("refund-amount-changed");

    walk.report("pay", "confirmation asked", driver.tap("PAY_BUTTON") && driver.presentedAlert());
    walk.picture("refund-confirmation");
    walk.report("continue", "confirmed", driver.tapAlertAction(StringConstants::TAVRO_CONTINUE()));
    driver.runUntilIdle();
    walk.picture("refund-sent");
    walk.report("result",
                std::string(successful ? "success" : "failure") + ", refundAmount " + refunded + ", calls " +
                    std::to_string(results),
                results == 1 && successful && refunded == "25.00");

    bool closed = false;
    TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
    driver.advanceBy(TavroWindow::animationTime);
    walk.report("close", closed ? "done" : "pending", closed && results == 1);
}
