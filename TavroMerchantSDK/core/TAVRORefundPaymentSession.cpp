#include "TavroMerchantSDK/core/TAVRORefundPaymentSession.h"

#include "platform/foundation/DebugLog.h"

namespace tavro {

TAVRORefundPaymentSession::TAVRORefundPaymentSession()
    : m_request(platform::NSObject::create<TavroRefundPaymentRequest>()),
      m_response(platform::NSObject::create<TavroRefundPaymentResponse>())
{
}

void TAVRORefundPaymentSession::setRequest(std::shared_ptr<TavroRefundPaymentRequest> request)
{
    if (!request) {
        platform::debugLog("TAVRORefundPaymentSession: a refund request cannot be null");
        return;
    }
    m_request = std::move(request);
}

void TAVRORefundPaymentSession::setResponse(std::shared_ptr<TavroRefundPaymentResponse> response)
{
    if (!response) {
        platform::debugLog("TAVRORefundPaymentSession: a refund response cannot be null");
        return;
    }
    m_response = std::move(response);
}

void TAVRORefundPaymentSession::sendUpdateForCompletedFlow(bool successful, std::shared_ptr<TavroError> error) const
{
    std::shared_ptr<TavroRefundPaymentResponse> response;
    if (successful) {
        response = m_response;
        error = nullptr;
    }
    // Copies, so a callback that replaces the channel cannot pull the callee out from under itself.
    if (auto handler = m_completionHandler) {
        handler(successful, response, error);
        return;
    }
    if (auto delegate = m_delegate)
        delegate->refundPaymentFlowDidFinish(successful, response, error);
}

} // namespace tavro
