#include "TavroMerchantSDK/core/TAVRORefundPaymentSession.h"

#include "platform/foundation/DebugLog.h"

namespace tavro {

namespace {

// To the closure if set, else to the delegate, else nowhere.
void deliver(const TavroRefundPaymentCompletionHandler& handler,
             const std::shared_ptr<TavroRefundPaymentDelegate>& delegate, bool successful,
             const std::shared_ptr<TavroRefundPaymentResponse>& response, const std::shared_ptr<TavroError>& error)
{
    if (handler) {
        handler(successful, response, error);
        return;
    }
    if (delegate)
        delegate->refundPaymentFlowDidFinish(successful, response, error);
}

} // namespace

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
    // Copies, so a callback that replaces the channel cannot pull the callee out from under itself.
    const auto handler = m_completionHandler;
    const auto delegate = m_delegate;
    if (successful)
        deliver(handler, delegate, true, m_response, nullptr);
    else
        deliver(handler, delegate, false, nullptr, error);
}

void TAVRORefundPaymentSession::reportFailure(const TavroRefundPaymentCompletionHandler& handler,
                                              const std::shared_ptr<TavroRefundPaymentDelegate>& delegate,
                                              const std::shared_ptr<TavroError>& error)
{
    deliver(handler, delegate, false, nullptr, error);
}

} // namespace tavro
