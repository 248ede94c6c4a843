#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"
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
    if (auto payload = requestPayload())
        m_qrImageCellView->setQrCodeTlv(std::move(payload));
    if (TavroSession::sharedSession()->requestPaymentSession()->isUpdated())
        showUpdatedAmount();
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

std::string TAVRORequestPaymentViewController::formattedRequestAmount() const
{
    const auto& request = TavroSession::sharedSession()->requestPaymentSession()->request();
    if (!request || !request->transactionAmount())
        return "";
    auto amount = platform::text::parseDecimal(*request->transactionAmount());
    if (!amount)
        return "";
    auto components = Utilities::getISOCurrencyComponents(*amount, TavroSession::sharedSession()->activeCurrencyCode());
    return components.currencyCode + " " + components.formattedAmount;
}

void TAVRORequestPaymentViewController::showUpdatedAmount()
{
    auto text = formattedRequestAmount();
    if (text.empty()) {
        // The editor writes a decimal text; anything else is left off rather than shown raw.
        platform::debugLog("TAVRORequestPaymentViewController: the updated request has no decimal amount");
        return;
    }
    m_amountLabel->setText(std::move(text));
    m_amountLabel->setHidden(false);
    m_paymentDetailLabel->setHidden(false);
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
