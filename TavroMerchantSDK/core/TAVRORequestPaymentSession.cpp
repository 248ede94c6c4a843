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

void TAVRORequestPaymentSession::reportFailure(const TavroRequestPaymentCompletionHandler& handler,
                                               const std::shared_ptr<TavroRequestPaymentDelegate>& delegate,
                                               const std::shared_ptr<TavroError>& error)
{
    if (handler) {
        handler(false, nullptr, error);
        return;
    }
    if (delegate)
        delegate->requestPaymentFlowDidFinish(false, nullptr, error);
}

} // namespace tavro
