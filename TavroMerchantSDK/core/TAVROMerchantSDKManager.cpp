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

} // namespace

void TAVROMerchantSDKManager::launchRequestPaymentFlow(const std::shared_ptr<TavroPaymentRequest>& request,
                                                       std::shared_ptr<TavroRequestPaymentDelegate> delegate)
{
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->requestPaymentSession();
    flowSession->setDelegate(std::move(delegate));
    if (!request) {
        platform::debugLog("TavroMerchantSDK: a payment request cannot be null");
        flowSession->reportFailure(std::make_shared<TavroError>(StringConstants::PAYMENT_REQUEST_MISSING()));
        return;
    }
    // The flow runs on a copy, so what it shows is what was validated, whatever the host changes
    // later. Validation comes first so that a refused request leaves the flow state as it was.
    auto copy = request->copy();
    if (auto error = copy->validate()) {
        flowSession->reportFailure(error);
        return;
    }
    if (!screensAreRegistered())
        return;
    flowSession->setRequest(std::move(copy));
    flowSession->setHostRequest(request);
    flowSession->setIsUpdated(false);
    session->setActiveSessionType(TavroActiveFlow::requestPayment);
    showFirstScreen(tavroFlowScreenMakers().requestPaymentScreen());
}

void TAVROMerchantSDKManager::launchRefundPaymentFlow(const std::shared_ptr<TavroRefundPaymentRequest>& request,
                                                      std::shared_ptr<TavroRefundPaymentDelegate> delegate)
{
    const auto& session = TavroSession::sharedSession();
    const auto& flowSession = session->refundPaymentSession();
    flowSession->setDelegate(std::move(delegate));
    if (!request) {
        platform::debugLog("TavroMerchantSDK: a refund request cannot be null");
        flowSession->sendUpdateForCompletedFlow(
            false, std::make_shared<TavroError>(StringConstants::REFUND_REQUEST_MISSING()));
        return;
    }
    auto copy = request->copy();
    if (auto error = copy->validate()) {
        flowSession->sendUpdateForCompletedFlow(false, error);
        return;
    }
    if (!screensAreRegistered())
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
    // During a flow the key window is the framework's own; the host's stays remembered.
    auto keyWindow = platform::UIApplication::shared()->keyWindow();
    if (keyWindow != window)
        session->setHostAppWindow(keyWindow);
    window->setRootViewController(viewController);
    window->makeKeyAndVisible();
}

} // namespace tavro
