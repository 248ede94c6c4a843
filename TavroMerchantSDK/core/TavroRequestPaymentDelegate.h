#pragma once
// The host's result channel of the request-payment flow, as an alternative to a completion
// closure. That flow reports only validation failures: (false, no response, the error).

#include "TavroMerchantSDK/core/TavroError.h"
#include "TavroMerchantSDK/core/TavroRequestPaymentResponse.h"

#include <functional>
#include <memory>

namespace tavro {

class TavroRequestPaymentDelegate {
public:
    virtual ~TavroRequestPaymentDelegate() = default;
    virtual void requestPaymentFlowDidFinish(bool successful, std::shared_ptr<TavroRequestPaymentResponse> response,
                                             std::shared_ptr<TavroError> error) = 0;
};

// The closure form of the same channel.
using TavroRequestPaymentCompletionHandler = std::function<void(
    bool successful, std::shared_ptr<TavroRequestPaymentResponse> response, std::shared_ptr<TavroError> error)>;

} // namespace tavro
