#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/payload/TavroPayMerchantTLV.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UINavigationController.h"

namespace tavro {

TAVRORequestPaymentViewController::TAVRORequestPaymentViewController(std::optional<std::string> nibName,
                                                                     std::shared_ptr<platform::Bundle> nibBundle)
    : platform::UIViewController(std::move(nibName), std::move(nibBundle))
{
}

void TAVRORequestPaymentViewController::viewDidLoad()
{
    platform::UIViewController::viewDidLoad();
    setTitle(StringConstants::REQUEST_PAYMENT_TITLE());
    addShareButtonItem(navigationItem());
}

void TAVRORequestPaymentViewController::viewDidAppear(bool animated)
{
    platform::UIViewController::viewDidAppear(animated);
    auto payload = requestPayload();
    if (payload)
        m_qrImageCellView->setQrCodeTlv(payload);
    if (TavroSession::sharedSession()->requestPaymentSession()->isUpdated())
        showPaymentDetails(payload);
}

std::optional<std::string> TAVRORequestPaymentViewController::requestPayload() const
{
    const auto& request = TavroSession::sharedSession()->requestPaymentSession()->request();
    if (!request)
        return std::nullopt;
    // The request chooses its writer: the scanned dictionary's re-encoded text only for a request
    // made from one, so a request built from fields never shows another request's data.
    return request->getTLV();
}

std::string TAVRORequestPaymentViewController::formattedAmount(std::string_view decimalText)
{
    auto amount = platform::text::parseDecimal(decimalText);
    if (!amount)
        return "";
    auto components = Utilities::getISOCurrencyComponents(*amount, TavroSession::sharedSession()->activeCurrencyCode());
    if (components.currencyCode.empty() || components.formattedAmount.empty())
        return "";
    return components.currencyCode + " " + components.formattedAmount;
}

std::string TAVRORequestPaymentViewController::formattedRequestAmount() const
{
    const auto& request = TavroSession::sharedSession()->requestPaymentSession()->request();
    if (!request || !request->transactionAmount())
        return "";
    return formattedAmount(*request->transactionAmount());
}

void TAVRORequestPaymentViewController::showPaymentDetails(const std::optional<std::string>& payload)
{
    // The lines say only what the code carries: a customer must not read an amount the payload
    // does not hold, so they follow the decoded entries, not the request's fields.
    TavroPayMerchantTLV entries;
    bool decoded = false;
    if (payload && !payload->empty()) {
        decoded = !entries.decodeTLV(*payload);
        if (!decoded)
            platform::debugLog("TAVRORequestPaymentViewController: the payload does not decode; no amount line");
    }
    const bool hasAmount = decoded && entries.transactionAmount();
    const bool hasDetails = decoded && (entries.additionalDataFieldTemplate() || entries.additionalDataField());

    std::string text = hasAmount ? formattedAmount(*entries.transactionAmount()) : "";
    if (hasAmount && text.empty())
        // The writers put a decimal text there; anything else is left off rather than shown raw.
        platform::debugLog("TAVRORequestPaymentViewController: the payload holds no decimal amount");
    const bool showAmount = !text.empty();
    if (showAmount)
        m_amountLabel->setText(std::move(text));
    m_amountLabel->setHidden(!showAmount);
    m_paymentDetailLabel->setHidden(!hasAmount && !hasDetails);
}

void TAVRORequestPaymentViewController::detailsButtonPressed()
{
    auto navigation = navigationController();
    if (!navigation)
        return;
    navigation->setNavigationBarHidden(true, false);
    navigation->pushViewController(platform::NSObject::create<TAVRORequestPaymentDetailsViewController>(), true);
}

} // namespace tavro
