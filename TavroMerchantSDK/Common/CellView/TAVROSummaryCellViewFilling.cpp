// Filling the summary row by the active flow, and the amounts the owner pushes in.

#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"

#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/Utilities.h"
#include "platform/foundation/Text.h"

#include <cmath>

namespace tavro {

namespace {

// A decimal text as a number; 0 when absent or not a finite decimal number.
double decimalOrZero(const std::optional<std::string>& text)
{
    if (!text)
        return 0;
    const auto value = platform::text::parseDecimal(platform::text::trimWhitespace(*text));
    return value && std::isfinite(*value) ? *value : 0;
}

bool isPayFlow(TavroActiveFlow flow)
{
    return flow == TavroActiveFlow::payMerchant || flow == TavroActiveFlow::payMerchantAlias;
}

} // namespace

std::string TAVROSummaryCellView::amountText(double amount)
{
    const auto shown = Utilities::getISOCurrencyComponents(amount, TavroSession::sharedSession()->activeCurrencyCode());
    return shown.currencyCode + " " + shown.formattedAmount;
}

bool TAVROSummaryCellView::isAdditionalAmount() const
{
    return m_cellObject && (m_cellObject->convenienceFeeAmount() || m_cellObject->convenienceFeePercentage());
}

void TAVROSummaryCellView::setCellObject(TAVROPaymentCellModelPtr model)
{
    m_cellObject = std::move(model);
    // A new model builds afresh: the earlier labels leave the row.
    removeLabels();
    fillByFlow();
}

void TAVROSummaryCellView::fillByFlow()
{
    const auto& session = TavroSession::sharedSession();
    const auto flow = session->activeSessionType();
    if (isPayFlow(flow)) {
        prepareView();
        if (m_topLeftLabel)
            m_topLeftLabel->setText(StringConstants::REVIEW_PAYMENT_ADDITIONAL_AMOUNT());
        if (m_middleLeftLabel)
            m_middleLeftLabel->setText(StringConstants::REVIEW_PAYMENT_TOTAL_AMOUNT());
        if (m_cellObject && !m_cellObject->convenienceFeeAmount() && m_cellObject->convenienceFeePercentage() &&
            m_topLeftLabel) {
            const auto& percentage = *m_cellObject->convenienceFeePercentage();
            const bool readable = platform::text::parseDecimal(platform::text::trimWhitespace(percentage)).has_value();
            m_topLeftLabel->setText((readable ? percentage : std::string("0")) + "% " +
                                    StringConstants::REVIEW_PAYMENT_ADDITIONAL_AMOUNT());
        }
    } else if (flow == TavroActiveFlow::refundPayment) {
        prepareView();
        setTopLeftTitle(StringConstants::REVIEW_PAYMENT_ORIGINAL_TRANSACTION());
        const double amount = decimalOrZero(m_cellObject ? m_cellObject->value() : std::nullopt);
        if (m_topRightLabel)
            m_topRightLabel->setText(amountText(amount));
        setMiddleLeftTitle(StringConstants::REVIEW_PAYMENT_REFUND_AMOUNT());
        if (m_middleRightLabel)
            m_middleRightLabel->setText("- " + amountText(amount));
        setBottomLeftTitle(StringConstants::REVIEW_PAYMENT_TOTAL_AFTER_REFUND());
        setBottomRightTitle(amountText(0));
    } else if (flow == TavroActiveFlow::withdrawCash) {
        prepareView();
        if (m_topLeftLabel)
            m_topLeftLabel->setText(StringConstants::REVIEW_PAYMENT_ADDITIONAL_AMOUNT());
        if (m_topRightLabel)
            m_topRightLabel->setText(amountText(decimalOrZero(session->serviceFee())));
    } else {
        addBottomMsgLabel(true);
    }
}

std::optional<std::string> TAVROSummaryCellView::updateCellWith(const std::optional<std::string>& paymentAmount,
                                                                const std::optional<std::string>& tipAmout,
                                                                const std::string& currencyCode)
{
    const auto& session = TavroSession::sharedSession();
    const auto flow = session->activeSessionType();
    const double amount = Utilities::getCurrency(paymentAmount).amount;
    double total = 0;
    if (isPayFlow(flow)) {
        const double tip = Utilities::getCurrency(tipAmout).amount;
        if (m_topRightLabel)
            m_topRightLabel->setText(amountText(tip));
        total = amount + tip;
    } else if (flow == TavroActiveFlow::withdrawCash) {
        const auto fee = Utilities::getISOCurrencyComponents(decimalOrZero(session->serviceFee()), currencyCode);
        total = amount + Utilities::amountFromLocalizedText(fee.formattedAmount, currencyCode);
    } else {
        const double tip = Utilities::getCurrency(tipAmout).amount;
        const double additional = amount * 0.1;
        if (m_topRightLabel)
            m_topRightLabel->setText(amountText(additional));
        total = additional + tip;
    }
    session->setTotalPaymentAmount(
        Utilities::getISOCurrencyComponents(total, session->activeCurrencyCode()).formattedAmount);
    if (!m_middleRightLabel)
        return std::nullopt;
    m_middleRightLabel->setText(amountText(total));
    const auto text = m_middleRightLabel->text();
    if (text && !text->empty())
        m_middleRightLabel->setAttributedText(Utilities::underLineAttributedString(*text, 12));
    return m_middleRightLabel->text();
}

void TAVROSummaryCellView::updateCellWithAmount(double refundAmount, double maxRefund)
{
    setMiddleRightTitle("- " + amountText(refundAmount));
    setBottomRightTitle(amountText(maxRefund - refundAmount));
}

} // namespace tavro
