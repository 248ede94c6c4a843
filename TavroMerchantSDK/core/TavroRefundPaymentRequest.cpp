#include "TavroMerchantSDK/core/TavroRefundPaymentRequest.h"

#include "TavroMerchantSDK/core/PlainDecimal.h"
#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/base/StringExtensions.h"
#include "TavroMerchantSDK/support/base/TavroBaseConstants.h"
#include "platform/foundation/Text.h"

#include <algorithm>

namespace tavro {

namespace {

// Amounts the screen shows, compares and subtracts survive a round trip through a double up to
// here.
constexpr std::size_t kMaximumDigits = 15;

// The digit positions of an amount up to `maximum`, as maximumRefundAmount() writes it: its whole
// digits and every fraction position of the currency ("100.00" has 5, "0.01" has 2), so that what
// remains after any refund is exact too.
std::size_t digitPositions(std::string_view maximum)
{
    // Written without leading zeros: only a whole part of "0" holds no position.
    if (maximum.starts_with('0')) {
        maximum.remove_prefix(1);
    }
    return static_cast<std::size_t>(std::count_if(maximum.begin(), maximum.end(), [](char c) { return c != '.'; }));
}

std::shared_ptr<TavroError> failure(const std::string& message)
{
    return std::make_shared<TavroError>(message);
}

} // namespace

TavroRefundPaymentRequest::TavroRefundPaymentRequest() : m_currencyCode(TavroBaseConstants::defaultTransactionCurrency)
{
}

TavroRefundPaymentRequest::TavroRefundPaymentRequest(std::string last4, std::string cardHolderName,
                                                     std::string currencyCode, std::string refundAmount)
    : m_last4(std::move(last4)),
      m_cardHolderName(std::move(cardHolderName)),
      m_currencyCode(std::move(currencyCode)),
      m_refundAmount(std::move(refundAmount))
{
}

std::shared_ptr<TavroRefundPaymentRequest> TavroRefundPaymentRequest::copy() const
{
    return platform::NSObject::create<TavroRefundPaymentRequest>(m_last4, m_cardHolderName, m_currencyCode,
                                                                 m_refundAmount);
}

std::shared_ptr<TavroError> TavroRefundPaymentRequest::validate() const
{
    if (m_last4.empty()) {
        return failure(StringConstants::LAST_FOUR_DIGITS_CANNOT_BE_EMPTY());
    }
    if (!isLengthInRange(m_last4, 4, 4)) {
        return failure(StringConstants::LAST_FOUR_DIGITS_MANDATORY());
    }
    if (!platform::text::allAsciiDigits(m_last4)) {
        return failure(StringConstants::LAST_FOUR_SHOULD_BE_NUMERIC());
    }
    if (m_cardHolderName.empty()) {
        return failure(StringConstants::CARDHOLDER_INVALID());
    }
    if (m_currencyCode.empty()) {
        return failure(StringConstants::CURRENCY_CODE_IS_NOT_PRESENT());
    }
    if (!isLengthInRange(m_currencyCode, 3, 3)) {
        return failure(StringConstants::CURRENCY_CODE_INVALID_LENGTH());
    }
    // One leading sign is accepted: "+36" reads as 36, "-36" as a code no table holds.
    const auto code = platform::text::parseInteger(m_currencyCode, 10);
    if (!code) {
        return failure(StringConstants::CURRENCY_CODE_INVALID_FORMAT());
    }
    if (!ISOCountryCodes::availableISOCurrencies().contains(*code)) {
        return failure(StringConstants::CURRENCY_CODE_INVALID_ISO_FORMAT());
    }
    const auto maximum = maximumRefundAmount();
    if (!maximum || significantDigitCount(*maximum) == 0 || digitPositions(*maximum) > kMaximumDigits) {
        return failure(StringConstants::REFUND_AMOUNT_INVALID());
    }
    return nullptr;
}

std::optional<std::string> TavroRefundPaymentRequest::maximumRefundAmount() const
{
    if (!hasCurrencyFormat(m_currencyCode)) {
        return std::nullopt;
    }
    // The digits the amount field reads typed digits with.
    return truncatedPlainDecimal(m_refundAmount, currencyFractionDigits(m_currencyCode));
}

} // namespace tavro
