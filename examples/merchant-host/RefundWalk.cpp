// The refund flow as a merchant walks it: the refund screen with the card holder and the amount,
// a smaller amount typed, pay, the confirmation, continue, and the result the host receives.
#include "HostWalk.h"

#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

#include <cmath>

using namespace tavro;
using platform::NSObject;

namespace {

// The smaller refund the merchant types: a sixth of the original amount (25 of 150), in whole
// minor units of the currency, at least one. The amount row reads typed digits as minor units,
// so the digits are those minor units; cut down to the currency's fraction digits, the amount
// never passes the original.
struct TypedRefund {
    std::string digits;
    double amount = 0;
};

TypedRefund smallerRefund(const std::string& originalAmount, const std::string& currencyCode)
{
    const int fractionDigits = currencyFormatting(currencyCode)->formatter->minimumFractionDigits();
    const double scale = std::pow(10.0, fractionDigits);
    const double original = platform::text::parseDecimal(originalAmount).value_or(0);
    const long long originalMinorUnits = static_cast<long long>(std::floor(original * scale + 1e-6));
    const long long minorUnits = std::max(1LL, originalMinorUnits / 6);
    return {std::to_string(minorUnits), static_cast<double>(minorUnits) / scale};
}

} // namespace

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

    const auto refund = smallerRefund(request->refundAmount(), currencyCode);
    const auto shown = Utilities::getISOCurrencyComponents(refund.amount, currencyCode);
    const bool focused = driver.focus(driver.find("paymentAmountTextField"));
    driver.backspace(12);
    const bool typed = driver.type(refund.digits) == refund.digits.size();
    driver.pressDone();
    walk.report("amount", "changed to " + shown.currencyCode + " " + shown.formattedAmount, focused && typed);
    walk.picture("refund-amount-changed");

    walk.report("pay", "confirmation asked", driver.tap("PAY_BUTTON") && driver.presentedAlert());
    walk.picture("refund-confirmation");
    walk.report("continue", "confirmed", driver.tapAlertAction(StringConstants::TAVRO_CONTINUE()));
    driver.runUntilIdle();
    walk.picture("refund-sent");
    walk.report("result",
                std::string(successful ? "success" : "failure") + ", refundAmount " + refunded + ", calls " +
                    std::to_string(results),
                results == 1 && successful &&
                    std::fabs(platform::text::parseDecimal(refunded).value_or(-1) - refund.amount) < 1e-9);

    bool closed = false;
    TavroMerchantSDK::endTavroFlow([&closed] { closed = true; });
    driver.advanceBy(TavroWindow::animationTime);
    walk.report("close", closed ? "done" : "pending", closed && results == 1);
}
