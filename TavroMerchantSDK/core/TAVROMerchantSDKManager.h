#pragma once
// The flow launcher behind the public entry points: validates the request, and either answers the
// caller's own channel with the failure at once or lets the screens on show finish, installs the
// caller's channel and opens the framework window with the flow's first screen. Static functions
// only. Main thread only.

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

    // Validates a copy of `request` (TavroPaymentRequest::copy()). A null or refused request is
    // answered before this returns, with (false, none, the error), through `completionHandler` if
    // set, else `delegate`; nothing is installed, so a running flow keeps its channel, request and
    // response. A null request also writes a debug line and is answered with "Payment request
    // missing" ("Refund request missing" in the refund flow). Without registered screens the launch
    // is refused with one debug line and installs nothing. Once accepted, the framework window's
    // current content is settled first (see TavroWindow::settleContent()); then `completionHandler`
    // and `delegate` together become the sub-session's channel (an earlier one is dropped), the copy
    // its request (the host's object kept weakly as its hostRequest), isUpdated is cleared, the flow
    // set to requestPayment and the QR screen shown in the framework window.
    static void launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                         std::shared_ptr<TavroRequestPaymentDelegate> delegate,
                                         TavroRequestPaymentCompletionHandler completionHandler = {});
    // The same for the refund flow, its sub-session (which keeps only the copy and gets a new
    // response), refundPayment (which arms the 180 s idle timer) and the refund screen.
    static void launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                        std::shared_ptr<TavroRefundPaymentDelegate> delegate,
                                        TavroRefundPaymentCompletionHandler completionHandler = {});

private:
    // Paints the first screen's view white, wraps it in the flow's navigation controller and shows
    // that in the framework window.
    static void showFirstScreen(const platform::UIViewControllerPtr& screen);
    // Remembers the host's window (see TavroSessionBase::hostAppWindow()), sizes the framework window
    // to the main screen, installs `viewController` as its root and makes it key (its content slides up).
    static void makeWindowVisible(const platform::UIViewControllerPtr& viewController);
};

} // namespace tavro
