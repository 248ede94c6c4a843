#pragma once
// TavroRefundPaymentResponse: the result of the refund flow, carrying the refunded amount.
// Held by std::shared_ptr; make with NSObject::create<TavroRefundPaymentResponse>(...).

#include "platform/foundation/NSObject.h"

#include <string>

namespace tavro {

class TavroRefundPaymentResponse : public platform::NSObject {
public:
    // refundAmount "0.0".
    TavroRefundPaymentResponse() = default;
    // Stores the text unchanged.
    explicit TavroRefundPaymentResponse(std::string refundAmount) : m_refundAmount(std::move(refundAmount)) {}

    const std::string& refundAmount() const { return m_refundAmount; }
    void setRefundAmount(std::string value) { m_refundAmount = std::move(value); }

private:
    std::string m_refundAmount = "0.0";
};

} // namespace tavro
