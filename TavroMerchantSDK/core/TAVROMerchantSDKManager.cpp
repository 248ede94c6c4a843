#include "TavroMerchantSDK/core/TAVROMerchantSDKManager.h"

#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIApplication.h"

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

// The copy of `request` a flow runs on, once the launch is accepted; null when it is refused. A
// refused request is answered through `refuse` (the caller's own channel), and nothing of the
// running flow changes.
template <class Request, class Refuse>
std::shared_ptr<Request> acceptedCopy(const std::shared_ptr<Request>& request, const char* nullLine,
                                      const std::string& missing, const Refuse& refuse)
{
    if (!request) {
        platform::debugLog(nullLine);
        refuse(std::make_shared<TavroError>(missing));
        return nullptr;
    }
    // The flow runs on a copy, so what it shows is what was validated, whatever the host changes
    // later.
    auto copy = request->copy();
    if (auto error = copy->validate()) {
        refuse(error);
        return nullptr;
    }
    if (!screensAreRegistered())
        return nullptr;
    return copy;
}

// The screens being replaced finish first (a field's last report, a leaving confirmation's action,
// host code included), while their own flow is still installed.
void settleReplacedScreens()
{
    TavroSession::sharedSession()->sdkWindow()->settleContent();
}

} // namespace

void TAVROMerchantSDKManager::launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                                       std::shared_ptr<TavroRequestPaymentDelegate> delegate,
                                                       TavroRequestPaymentCompletionHandler completionHandler)
{
    auto copy = acceptedCopy(request, "TavroMerchantSDK: a payment request cannot be null",
                             StringConstants::PAYMENT_REQUEST_MISSING(), [&](const std::shared_ptr<TavroError>& error) {
                                 TAVRORequestPaymentSession::reportFailure(completionHandler, delegate, error);
                             });
    if (!copy)
        return;
    settleReplacedScreens();
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->requestPaymentSession();
    flowSession->setFlowDidFinishCompletionHandler(std::move(completionHandler));
    flowSession->setDelegate(std::move(delegate));
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
    auto copy = acceptedCopy(request, "TavroMerchantSDK: a refund request cannot be null",
                             StringConstants::REFUND_REQUEST_MISSING(), [&](const std::shared_ptr<TavroError>& error) {
                                 TAVRORefundPaymentSession::reportFailure(completionHandler, delegate, error);
                             });
    if (!copy)
        return;
    settleReplacedScreens();
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->refundPaymentSession();
    flowSession->setFlowDidFinishCompletionHandler(std::move(completionHandler));
    flowSession->setDelegate(std::move(delegate));
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
    // During a flow the key window is the framework's own; the host's stays remembered.
    auto keyWindow = platform::UIApplication::shared()->keyWindow();
    if (keyWindow != window)
        session->setHostAppWindow(keyWindow);
    window->setRootViewController(viewController);
    window->makeKeyAndVisible();
}

} // namespace tavro
