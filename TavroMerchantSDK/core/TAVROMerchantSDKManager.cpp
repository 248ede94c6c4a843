#include "TavroMerchantSDK/core/TAVROMerchantSDKManager.h"

#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"

namespace tavro {

namespace {

// Without the screens library nothing can be shown; the flow state is then left alone.
bool screensAreRegistered()
{
    if (tavroFlowScreenMakers().isComplete())
        return true;
    platform::debugLog("TavroMerchantSDK: no flow screens are registered; nothing was shown");
    return false;
}

// Accepts or refuses a launch. A null or invalid request is answered through the caller's own
// channel (`handler`, else `delegate`) and installs nothing, so a running flow keeps its channel,
// request and response; without registered screens the launch is refused with one debug line.
// An accepted launch first lets the screens being replaced finish (a field's last report, a
// leaving confirmation's action, host code included) while their own flow is still installed,
// then installs the caller's channel, closure and delegate together, in `flowSession`. Returns
// the copy of `request` the flow runs on, null when refused.
template <class FlowSession, class Request, class Handler, class Delegate>
std::shared_ptr<Request> acceptLaunch(FlowSession& flowSession, const std::shared_ptr<Request>& request,
                                      Handler handler, Delegate delegate, const char* nullLine,
                                      const std::string& missing)
{
    if (!request) {
        platform::debugLog(nullLine);
        FlowSession::reportFailure(handler, delegate, std::make_shared<TavroError>(missing));
        return nullptr;
    }
    // The flow runs on a copy, so what it shows is what was validated, whatever the host changes
    // later.
    auto copy = request->copy();
    if (auto error = copy->validate()) {
        FlowSession::reportFailure(handler, delegate, error);
        return nullptr;
    }
    if (!screensAreRegistered())
        return nullptr;
    TavroSession::sharedSession()->sdkWindow()->settleContent();
    flowSession.setFlowDidFinishCompletionHandler(std::move(handler));
    flowSession.setDelegate(std::move(delegate));
    return copy;
}

} // namespace

void TAVROMerchantSDKManager::launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                                       std::shared_ptr<TavroRequestPaymentDelegate> delegate,
                                                       TavroRequestPaymentCompletionHandler completionHandler)
{
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->requestPaymentSession();
    auto copy = acceptLaunch(*flowSession, request, std::move(completionHandler), std::move(delegate),
                             "TavroMerchantSDK: a payment request cannot be null",
                             StringConstants::PAYMENT_REQUEST_MISSING());
    if (!copy)
        return;
    flowSession->setRequest(std::move(copy));
    flowSession->setHostRequest(request);
    flowSession->setIsUpdated(false);
    session->setActiveSessionType(TavroActiveFlow::requestPayment);
    showFirstScreen(tavroFlowScreenMakers().requestPaymentScreen());
}

void TAVROMerchantSDKManager::launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                                      std::shared_ptr<TavroRefundPaymentDelegate> delegate,
                                                      TavroRefundPaymentCompletionHandler completionHandler)
{
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->refundPaymentSession();
    auto copy = acceptLaunch(*flowSession, request, std::move(completionHandler), std::move(delegate),
                             "TavroMerchantSDK: a refund request cannot be null",
                             StringConstants::REFUND_REQUEST_MISSING());
    if (!copy)
        return;
    flowSession->setRequest(std::move(copy));
    // A response handed to the host by an earlier flow stays as it was delivered.
    flowSession->setResponse(platform::NSObject::create<TavroRefundPaymentResponse>());
    session->setActiveSessionType(TavroActiveFlow::refundPayment);
    showFirstScreen(tavroFlowScreenMakers().refundPaymentScreen());
}

void TAVROMerchantSDKManager::showFirstScreen(const platform::UIViewControllerPtr& screen)
{
    // Asking for the view loads it now, before the screen is placed anywhere.
    screen->view()->setBackgroundColor(platform::UIColor::white());
    makeWindowVisible(tavroFlowScreenMakers().navigationController(screen));
}

void TAVROMerchantSDKManager::makeWindowVisible(const platform::UIViewControllerPtr& viewController)
{
    const auto& session = TavroSession::sharedSession();
    const auto& window = session->sdkWindow();
    // During a flow the key window is the framework's own; the host's stays remembered. With no key
    // window (the host dropped the one it made key over the flow) the flow's host window is still
    // the one to go back to.
    auto keyWindow = platform::UIApplication::shared()->keyWindow();
    if (keyWindow ? keyWindow != window : !window->rootViewController())
        session->setHostAppWindow(keyWindow);
    // The screen may have changed size since the window was made or last followed it.
    window->setFrame(platform::UIScreen::main()->bounds());
    window->setRootViewController(viewController);
    window->makeKeyAndVisible();
}

} // namespace tavro
