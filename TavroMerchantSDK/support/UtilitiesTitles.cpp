// Button titles and invalid-field messages of Utilities, from localised templates.

#include "TavroMerchantSDK/support/Utilities.h"

#include "TavroMerchantSDK/support/LocalizedString.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TextReplacing.h"

namespace tavro {

std::string Utilities::localizedAmountString(std::string_view labelString, const std::optional<std::string>& amount,
                                             const std::optional<std::string>& currency)
{
    const bool isPay = labelString == StringConstants::kPay();
    const bool isRefund = labelString == StringConstants::kRefund();
    if (!currency) {
        if (isPay)
            return StringConstants::REVIEW_PAYMENT_PAY();
        if (isRefund)
            return StringConstants::REVIEW_PAYMENT_REFUND_TITLE();
        return {};
    }
    std::string title;
    if (isPay)
        title = localizedString("Pay [currency] [amount]", "");
    else if (isRefund)
        title = localizedString("Refund [currency] [amount]", "");
    // The placeholders are found in the localised template, so a translation may move them.
    title = replacingOccurrences(title, "[currency]", *currency);
    return replacingOccurrences(title, "[amount]", amount.value_or(""));
}

std::string Utilities::localizedInvaildString(std::string_view labelString)
{
    if (labelString == StringConstants::REVIEW_PAYMENT_TIPS())
        return localizedString("Invalid Tip", "");
    return replacingOccurrences(localizedString("Invalid [Default Label]", ""), "[Default Label]",
                                localizedString(labelString, ""));
}

} // namespace tavro
