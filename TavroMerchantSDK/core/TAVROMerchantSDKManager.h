#pragma once
// The flow launcher behind the public entry points: registers the host's delegate, validates the
// request, and either reports the failure at once or opens the framework window with the flow's
// first screen. Static functions only. Main thread only.

#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentDelegate.h"
#include "TavroMerchantSDK/core/TavroRefundPaymentRequest.h"
#include "TavroMerchantSDK/core/TavroRequestPaymentDelegate.h"
#include "platform/ui/UIViewController.h"

#include <memory>

namespace tavro {

class TAVROMerchantSDKManager {
public:
    TAVROMerchantSDKManager() = delete;

    // Stores `delegate` (possibly null) in the request-payment sub-session, then validates a copy
    // of `request` (TavroPaymentRequest::copy()). On failure the sub-session's closure, else its
    // delegate, hears (false, none, the error) before this returns; nothing is shown and the
    // active flow and idle timer stay as they were. On success the copy becomes the sub-session's
    // request (the host's object is kept weakly as its hostRequest), isUpdated is cleared, the flow
    // set to requestPayment and the QR screen shown in the framework window. A null request, or no
    // registered screens, is refused with one debug line and changes nothing more; a null request
    // is reported, as a refused one is, with the error "Payment request missing" ("Refund request
    // missing" in the refund flow).
    static void launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                         std::shared_ptr<TavroRequestPaymentDelegate> delegate);
    // The same for the refund flow, its sub-session (which keeps only the copy), refundPayment
    // (which arms the 180 s idle timer) and the refund screen.
    static void launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                        std::shared_ptr<TavroRefundPaymentDelegate> delegate);

private:
    // Paints the first screen's view white, wraps it in the flow's navigation controller and shows
    // that in the framework window.
    static void showFirstScreen(const platform::UIViewControllerPtr& screen);
    // Remembers the host's key window, installs `viewController` as the framework window's root and
    // makes the window key (its content slides up).
    static void makeWindowVisible(const platform::UIViewControllerPtr& viewController);
};

} // namespace tavro
