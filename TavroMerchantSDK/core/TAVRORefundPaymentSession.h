#pragma once
// The refund flow's part of the session: the refund request, the response the refund screen fills
// in and the host's result channel. Created once with the session and reused by every later
// launch; each successful launch gives it a new response, so a response already handed to the
// host never changes. Main thread only.

#include "TavroMerchantSDK/core/TavroRefundPaymentDelegate.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentResponse.h"

#include <memory>

namespace tavro {

class TAVRORefundPaymentSession {
public:
    TAVRORefundPaymentSession();

    const TavroRefundPaymentCompletionHandler& flowDidFinishCompletionHandler() const { return m_completionHandler; }
    void setFlowDidFinishCompletionHandler(TavroRefundPaymentCompletionHandler handler)
    {
        m_completionHandler = std::move(handler);
    }

    // Never null: a plain request (currency "356") until a launch succeeds. A null argument is
    // refused with one debug line.
    const std::shared_ptr<TavroRefundPaymentRequest>& request() const { return m_request; }
    void setRequest(std::shared_ptr<TavroRefundPaymentRequest> request);

    // Never null: refundAmount "0.0" until the refund screen writes the amount. Replaced by each
    // successful launch; a null argument is refused with one debug line.
    const std::shared_ptr<TavroRefundPaymentResponse>& response() const { return m_response; }
    void setResponse(std::shared_ptr<TavroRefundPaymentResponse> response);

    // Held strongly: the host may hand over a delegate it keeps nowhere else.
    const std::shared_ptr<TavroRefundPaymentDelegate>& delegate() const { return m_delegate; }
    void setDelegate(std::shared_ptr<TavroRefundPaymentDelegate> delegate) { m_delegate = std::move(delegate); }

    // Delivers the refund result: (true, response(), no error) when `successful` (the passed error
    // is dropped), else (false, no response, `error`); to the closure if one is stored, else to the
    // delegate, else nowhere. The framework window stays open.
    void sendUpdateForCompletedFlow(bool successful, std::shared_ptr<TavroError> error) const;
    // Reports a refused launch to the channel passed with it, as sendUpdateForCompletedFlow(false,
    // error) would; the stored channel belongs to the running flow and hears nothing.
    static void reportFailure(const TavroRefundPaymentCompletionHandler& handler,
                              const std::shared_ptr<TavroRefundPaymentDelegate>& delegate,
                              const std::shared_ptr<TavroError>& error);

private:
    TavroRefundPaymentCompletionHandler m_completionHandler;
    std::shared_ptr<TavroRefundPaymentRequest> m_request;
    std::shared_ptr<TavroRefundPaymentResponse> m_response;
    std::shared_ptr<TavroRefundPaymentDelegate> m_delegate;
};

} // namespace tavro
