#pragma once
// The host's result channel of the refund flow, as an alternative to a completion closure: a
// validation failure (false, no response, the error) or a confirmed refund (true, the response,
// no error).

#include "TavroMerchantSDK/core/TavroError.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentResponse.h"

#include <functional>
#include <memory>

namespace tavro {

class TavroRefundPaymentDelegate {
public:
    virtual ~TavroRefundPaymentDelegate() = default;
    virtual void refundPaymentFlowDidFinish(bool successful, std::shared_ptr<TavroRefundPaymentResponse> response,
                                            std::shared_ptr<TavroError> error) = 0;
};

// The closure form of the same channel.
using TavroRefundPaymentCompletionHandler = std::function<void(
    bool successful, std::shared_ptr<TavroRefundPaymentResponse> response, std::shared_ptr<TavroError> error)>;

} // namespace tavro
