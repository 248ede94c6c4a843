#pragma once
// The request-payment flow's part of the session: the request on screen, its (empty) response and
// the host's result channel. Created once with the session and reused by every later launch.
// Main thread only.

#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroRequestPaymentDelegate.h"
#include "TavroMerchantSDK/core/TavroRequestPaymentResponse.h"

#include <memory>

namespace tavro {

class TAVRORequestPaymentSession {
public:
    TAVRORequestPaymentSession();

    const TavroRequestPaymentCompletionHandler& flowDidFinishCompletionHandler() const { return m_completionHandler; }
    void setFlowDidFinishCompletionHandler(TavroRequestPaymentCompletionHandler handler)
    {
        m_completionHandler = std::move(handler);
    }

    // The request of the flow, the launcher's copy of the host's; null until a launch succeeds.
    const std::shared_ptr<TavroPaymentRequest>& request() const { return m_request; }
    void setRequest(std::shared_ptr<TavroPaymentRequest> request) { m_request = std::move(request); }

    // The host's own request object, held weakly: null once the host has let it go.
    std::shared_ptr<TavroPaymentRequest> hostRequest() const { return m_hostRequest.lock(); }
    void setHostRequest(std::weak_ptr<TavroPaymentRequest> request) { m_hostRequest = std::move(request); }
    // Writes request()'s amount and additional data into the host's request as well, so that a host
    // reading its own object after the flow finds what the QR carries.
    void copyEditsToHostRequest() const;

    // Never null.
    const std::shared_ptr<TavroRequestPaymentResponse>& response() const { return m_response; }

    // Held strongly: the host may hand over a delegate it keeps nowhere else.
    const std::shared_ptr<TavroRequestPaymentDelegate>& delegate() const { return m_delegate; }
    void setDelegate(std::shared_ptr<TavroRequestPaymentDelegate> delegate) { m_delegate = std::move(delegate); }

    // True once the details editor has written its edits into the request; cleared at each launch
    // and by the navigation's back action.
    bool isUpdated() const { return m_isUpdated; }
    void setIsUpdated(bool updated) { m_isUpdated = updated; }

    // Reports a refused launch to the channel passed with it: to `handler` if set, else to
    // `delegate`, else nowhere. The stored channel belongs to the running flow and hears nothing.
    static void reportFailure(const TavroRequestPaymentCompletionHandler& handler,
                              const std::shared_ptr<TavroRequestPaymentDelegate>& delegate,
                              const std::shared_ptr<TavroError>& error);

private:
    TavroRequestPaymentCompletionHandler m_completionHandler;
    std::shared_ptr<TavroPaymentRequest> m_request;
    std::weak_ptr<TavroPaymentRequest> m_hostRequest;
    std::shared_ptr<TavroRequestPaymentResponse> m_response;
    std::shared_ptr<TavroRequestPaymentDelegate> m_delegate;
    bool m_isUpdated = false;
};

} // namespace tavro
