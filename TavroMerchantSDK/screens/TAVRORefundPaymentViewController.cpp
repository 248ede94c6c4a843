#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"

#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/TextReplacing.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIAlertAction.h"
#include "platform/ui/UIAlertController.h"

namespace tavro {

using platform::NSObject;
using OptionalText = std::optional<std::string>;

namespace {

// "Kora ..." directly followed by the card's last four digits.
constexpr std::string_view kCardLinePrefix = "Kora ...";

const std::shared_ptr<TAVRORefundPaymentSession>& refundSession()
{
    return TavroSession::sharedSession()->refundPaymentSession();
}

} // namespace

TAVRORefundPaymentViewController::TAVRORefundPaymentViewController(std::optional<std::string> nibName,
                                                                   std::shared_ptr<platform::Bundle> nibBundle)
    : TAVROConfirmPaymentViewController(std::move(nibName), std::move(nibBundle)),
      m_response(NSObject::create<TavroRefundPaymentResponse>())
{
}

void TAVRORefundPaymentViewController::loadView()
{
    TAVROConfirmPaymentViewController::loadView();
    paymentHeader()->setHidden(true);
    scrollViewTopConstraint()->setConstant(0);

    const auto& request = refundSession()->request();
    // The field starts at the most that may be refunded, and the summary shows it as the original.
    const auto maximum = request->maximumRefundAmount().value_or("0");
    auto holder = NSObject::create<TAVROPaymentCellModel>(CellType::merchantDetail, request->cardHolderName(),
                                                          request->cardHolderName());
    holder->setMerchantName(request->cardHolderName());
    holder->setMerchantCity(std::string(kCardLinePrefix) + request->last4());
    auto amount = NSObject::create<TAVROPaymentCellModel>(
        CellType::paymentAmount, StringConstants::REVIEW_PAYMENT_REFUND_AMOUNT(), maximum);
    auto summary =
        NSObject::create<TAVROPaymentCellModel>(CellType::summary, StringConstants::SUMMARY_TITLE(), maximum);
    setPaymentCellObjects(std::vector<TAVROPaymentCellModelPtr>{holder, amount, summary});

    const auto& form = scrollView();
    form->setPaymentHeaderHeight(0);
    form->setScreenType(TavroActiveFlow::refundPayment);
    form->setPaymentDelegate(weakFromThis<TAVRORefundPaymentViewController>());
    form->prepareView(paymentCellObjects());
}

void TAVRORefundPaymentViewController::viewDidLoad()
{
    TAVROConfirmPaymentViewController::viewDidLoad();
    setTitle(StringConstants::REVIEW_PAYMENT_REFUND_TITLE());
}

std::optional<std::string> TAVRORefundPaymentViewController::maximumRefund() const
{
    return refundSession()->request()->maximumRefundAmount();
}

std::optional<std::string> TAVRORefundPaymentViewController::refundText(const OptionalText& text)
{
    const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
    const double amount = Utilities::getCurrency(text).amount;
    return Utilities::plainAmountText(Utilities::getISOCurrencyComponents(amount, currencyCode).formattedAmount,
                                      currencyCode);
}

bool TAVRORefundPaymentViewController::isRefundable(const std::string& amount) const
{
    const auto maximum = maximumRefund();
    return maximum && platform::text::isPlainDecimal(amount) && comparePlainDecimals(amount, "0") > 0 &&
           comparePlainDecimals(amount, *maximum) <= 0;
}

bool TAVRORefundPaymentViewController::isVaildData(TAVROCellView&, const OptionalText& text)
{
    // Judged on the very text the host would get, so nothing above the maximum is ever reported.
    const auto amount = refundText(text);
    return amount && isRefundable(*amount);
}

void TAVRORefundPaymentViewController::cellViewType(CellType, const OptionalText& dataString, bool isVaild)
{
    if (m_refundConfirmed)
        return;
    const double maximum = readPlainDecimal(maximumRefund().value_or("0")).value_or(0);
    const auto& button = payButton();
    const auto& summary = scrollView() ? scrollView()->summaryCellView() : nullptr;
    if (dataString && isVaild) {
        const auto currencyCode = TavroSession::sharedSession()->activeCurrencyCode();
        const double amount = Utilities::getCurrency(dataString).amount;
        const auto components = Utilities::getISOCurrencyComponents(amount, currencyCode);
        // The host gets plain decimal text, whatever separators the currency's locale shows: the
        // amount shown, read back once.
        refundSession()->response()->setRefundAmount(
            Utilities::plainAmountText(components.formattedAmount, currencyCode).value_or(""));
        button->setTitle(Utilities::localizedAmountString(StringConstants::kRefund(), components.formattedAmount,
                                                          components.currencyCode),
                         platform::UIControlState::normal);
        button->setEnabled(true);
        if (summary)
            summary->updateCellWithAmount(amount, maximum);
        return;
    }
    button->setEnabled(false);
    button->setTitle(platform::text::toUpper(StringConstants::REVIEW_PAYMENT_REFUND_TITLE()),
                     platform::UIControlState::normal);
    if (summary)
        summary->updateCellWithAmount(0, maximum);
}

void TAVRORefundPaymentViewController::payButtonPressed()
{
    // The row being typed reports first: the alert shows what the field shows, or, for an
    // amount the row refuses, the button is disabled now.
    if (auto root = viewIfLoaded())
        root->endEditing(true);
    // Disabled: no valid amount, or a refund already confirmed and pending.
    if (payButton() && !payButton()->isEnabled())
        return;
    const std::string stored = refundSession()->response()->refundAmount();
    if (!isRefundable(stored)) {
        platform::debugLog("TAVRORefundPaymentViewController: pay pressed without a refund amount up to the "
                           "maximum (\"" +
                           stored + "\"); ignored");
        return;
    }
    presentConfirmation(stored, platform::text::parseDecimal(stored).value_or(0));
}

void TAVRORefundPaymentViewController::presentConfirmation(const std::string& amountText, double amount)
{
    const auto components =
        Utilities::getISOCurrencyComponents(amount, TavroSession::sharedSession()->activeCurrencyCode());
    const auto valueText = components.currencyCode + " " + components.formattedAmount;
    // The name goes in first, so a name holding the value marker gets the value too.
    auto message = replacingOccurrences(StringConstants::CONFIRM_REFUND_MESSAGE(), "[%name]",
                                        refundSession()->request()->cardHolderName());
    message = replacingOccurrences(message, "[%value]", valueText);

    auto alert = platform::UIAlertController::create(StringConstants::CONFIRM_REFUND_TITLE(), std::move(message),
                                                     platform::UIAlertControllerStyle::alert);
    // The alert closes itself before an action's handler runs.
    alert->addAction(
        platform::UIAlertAction::create(StringConstants::TAVRO_CANCEL(), platform::UIAlertActionStyle::default_));
    std::weak_ptr<TAVRORefundPaymentViewController> weakSelf = sharedFromThis<TAVRORefundPaymentViewController>();
    // The refund this alert is shown for, as it stands now: Continue reports to its host and fills
    // its response, whatever a later launch installs meanwhile.
    alert->addAction(platform::UIAlertAction::create(
        StringConstants::TAVRO_CONTINUE(), platform::UIAlertActionStyle::default_,
        [weakSelf, amountText, refund = *refundSession()](platform::UIAlertAction& action) {
            if (auto self = weakSelf.lock())
                self->confirmRefund(action, amountText, refund);
        }));
    present(alert, true);
}

void TAVRORefundPaymentViewController::confirmRefund(platform::UIAlertAction& action, const std::string& amountText,
                                                     const TAVRORefundPaymentSession& refund)
{
    action.setAccessibilityLabel(std::string("Continue_Button"));
    // The amount the alert showed is the amount reported; no later row report reaches the response.
    refund.response()->setRefundAmount(amountText);
    m_refundConfirmed = true;
    showPendingOnPayButton();
    refund.sendUpdateForCompletedFlow(true, nullptr);
}

} // namespace tavro
