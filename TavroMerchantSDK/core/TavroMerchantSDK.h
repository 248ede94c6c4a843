#pragma once
// TavroMerchantSDK: the framework's public entry points. A host hands over its configuration once,
// launches the request-payment (QR code) flow or the refund flow, and closes the framework's
// window. Results come back through the completion closure or the delegate: a refused (or null)
// request at once, before the launch returns, to the closure or delegate passed with that launch
// (a running flow's channel is left alone); a confirmed refund, when the merchant confirms it, to
// the host that launched that refund. A launch first lets the screens it replaces finish (so a
// refund confirmed a moment before reports first, and a launch made from its closure then is
// replaced by this one). Every entry point must be called on the main thread.
//
// The entry points are defined in this header so that every program that calls one also links
// start(), which the screens library defines (it sits above the core).

#include "TavroMerchantSDK/core/TAVROMerchantSDKManager.h"
#include "TavroMerchantSDK/core/TavroConfig.h"
#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/core/TavroMerchantSDKVersion.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "platform/foundation/NSObject.h"

#include <functional>
#include <memory>

namespace tavro {

class TavroMerchantSDK : public platform::NSObject {
public:
    TavroMerchantSDK() = default;

    // Wires the framework's layers together: the bundle compiled into the library becomes the
    // framework bundle, the session becomes the source of the active currency and the flow-button
    // colours the reference data reads, and the launcher learns the flow screens and the framework
    // bundle's anchor class. Does its work on the first call only; every entry
    // point below calls it, and a host may call it first, at start-up. Main thread.
    static void start();

    // Stores a deep copy of `config` in the session; refused with the line "Error: Cannot set
    // configuration during SDK Flow" while a flow is active.
    static void setupOneTimeConfiguration(const std::shared_ptr<TavroConfig>& config);

    // Launches the request-payment flow with `delegate` as its result channel. Once the request
    // is accepted, a closure left by an earlier closure launch is dropped, so results go to the
    // channel passed last.
    static void launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                         std::shared_ptr<TavroRequestPaymentDelegate> delegate);
    // Launches the request-payment flow with `completionHandler` as its result channel (it is called
    // only when the request is refused).
    static void launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                         TavroRequestPaymentCompletionHandler completionHandler);
    // Launches the refund flow with `completionHandler` as its result channel.
    static void launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                        TavroRefundPaymentCompletionHandler completionHandler);
    // Launches the refund flow with `delegate` as its result channel (the public name is spelled
    // this way). Once the request is accepted, a closure left by an earlier closure launch is
    // dropped.
    static void launchRefundPaymnetFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                        std::shared_ptr<TavroRefundPaymentDelegate> delegate);

    // Closes the framework's window (see TavroSessionBase::dismissSDKWindow) and then calls
    // `completion`; reports nothing to the flow's result channel.
    static void endTavroFlow(std::function<void()> completion = {});
};

inline void TavroMerchantSDK::setupOneTimeConfiguration(const std::shared_ptr<TavroConfig>& config)
{
    start();
    TavroSession::sharedSession()->setConfiguration(config);
}

inline void TavroMerchantSDK::launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                                       std::shared_ptr<TavroRequestPaymentDelegate> delegate)
{
    start();
    TAVROMerchantSDKManager::launchRequestPaymentFlow(request, std::move(delegate));
}

inline void TavroMerchantSDK::launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                                       TavroRequestPaymentCompletionHandler completionHandler)
{
    start();
    TAVROMerchantSDKManager::launchRequestPaymentFlow(request, nullptr, std::move(completionHandler));
}

inline void TavroMerchantSDK::launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                                      TavroRefundPaymentCompletionHandler completionHandler)
{
    start();
    TAVROMerchantSDKManager::launchRefundPaymentFlow(request, nullptr, std::move(completionHandler));
}

inline void TavroMerchantSDK::launchRefundPaymnetFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                                      std::shared_ptr<TavroRefundPaymentDelegate> delegate)
{
    start();
    TAVROMerchantSDKManager::launchRefundPaymentFlow(request, std::move(delegate));
}

inline void TavroMerchantSDK::endTavroFlow(std::function<void()> completion)
{
    start();
    TavroSession::sharedSession()->dismissSDKWindow(std::move(completion));
}

} // namespace tavro
