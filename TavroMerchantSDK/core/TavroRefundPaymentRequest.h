#pragma once
// TavroRefundPaymentRequest: what the host hands to the refund flow: the card's last four
// digits, the cardholder's name, the ISO 4217 numeric currency code and the largest amount that
// may be refunded (plain decimal text such as "150.00"). Held by std::shared_ptr; make with
// NSObject::create<TavroRefundPaymentRequest>(...).

#include "TavroMerchantSDK/core/TavroError.h"
#include "platform/foundation/NSObject.h"

#include <memory>
#include <optional>
#include <string>

namespace tavro {

class TavroRefundPaymentRequest : public platform::NSObject {
public:
    // Empty texts and the default transaction currency "356".
    TavroRefundPaymentRequest();
    // Stores the four texts unchanged; validate() checks them.
    TavroRefundPaymentRequest(std::string last4, std::string cardHolderName, std::string currencyCode,
                              std::string refundAmount);

    const std::string& last4() const { return m_last4; }
    void setLast4(std::string value) { m_last4 = std::move(value); }
    const std::string& cardHolderName() const { return m_cardHolderName; }
    void setCardHolderName(std::string value) { m_cardHolderName = std::move(value); }
    const std::string& currencyCode() const { return m_currencyCode; }
    void setCurrencyCode(std::string value) { m_currencyCode = std::move(value); }
    const std::string& refundAmount() const { return m_refundAmount; }
    void setRefundAmount(std::string value) { m_refundAmount = std::move(value); }

    // A new, independent request with the same four fields.
    std::shared_ptr<TavroRefundPaymentRequest> copy() const;

    // Null when the refund may start, else an error holding the message of the first broken
    // rule: last four digits (present, four characters, ASCII digits), cardholder name present,
    // currency (present, three characters, an integer, a code of the ISO table, every one of which
    // has an amount format), and an amount that is plain decimal text whose maximumRefundAmount()
    // is above zero with at most 15 digits counting its whole digits and the currency's fraction
    // digits (what a double keeps exactly). Lengths count user-perceived characters.
    std::shared_ptr<TavroError> validate() const;

    // The most that may be refunded: refundAmount cut down, never rounded up, to the digits after
    // the point that the amount field types in this currency ("100.999" in "356" is "100.99",
    // "0.5" in "392" is "0"). nullopt when the amount is not plain decimal text or the currency
    // is not in the ISO table.
    std::optional<std::string> maximumRefundAmount() const;

private:
    std::string m_last4;
    std::string m_cardHolderName;
    std::string m_currencyCode;
    std::string m_refundAmount;
};

} // namespace tavro
