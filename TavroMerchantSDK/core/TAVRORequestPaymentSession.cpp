#include "TavroMerchantSDK/core/TAVRORequestPaymentSession.h"

namespace tavro {

TAVRORequestPaymentSession::TAVRORequestPaymentSession()
    : m_response(platform::NSObject::create<TavroRequestPaymentResponse>())
{
}

void TAVRORequestPaymentSession::copyEditsToHostRequest() const
{
    if (const auto host = hostRequest(); host && m_request) {
        host->setAmountAndAdditionalData(*m_request);
    }
}

void TAVRORequestPaymentSession::reportFailure(const std::shared_ptr<TavroError>& error) const
{
    // Copies, so a callback that launches again (replacing the channel) cannot pull the callee
    // out from under itself.
    if (auto handler = m_completionHandler) {
        handler(false, nullptr, error);
        return;
    }
    if (auto delegate = m_delegate)
        delegate->requestPaymentFlowDidFinish(false, nullptr, error);
}

} // namespace tavro
