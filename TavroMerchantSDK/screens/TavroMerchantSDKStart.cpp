// The framework's start-up wiring. Lower layers declare what they need of higher ones (the reference
// data reads the session; the core's launcher makes screens; the bundle lookup needs an anchor class
// of the screens; the platform serves the bundle the support library carries) and the higher layers
// are plugged in here, once, so the link order never runs backwards and nothing depends on which
// part a host touched first.
#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/core/TavroMerchantSDK.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/screens/TAVRONavigationBaseController.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "TavroMerchantSDK/support/FrameworkBundle.h"
#include "TavroMerchantSDK/support/SessionServices.h"

#include <mutex>
#include <typeindex>

namespace tavro {

namespace {

// The reference data reads the active currency and the flow-button colours of the session.
void registerSessionProviders()
{
    registerActiveCurrencyCodeProvider([] { return TavroSession::sharedSession()->activeCurrencyCode(); });
    registerActionButtonColorsProvider([] {
        const auto& config = TavroSession::sharedSession()->internalConfiguration();
        return ActionButtonColors{config->actionButtonColor(), config->actionButtonActiveColor(),
                                  config->actionButtonFontColor()};
    });
}

void registerFlowScreens()
{
    registerFrameworkBundleAnchor(std::type_index(typeid(TAVRONavigationBaseController)));
    TavroFlowScreenMakers makers;
    makers.requestPaymentScreen = [] { return platform::NSObject::create<TAVRORequestPaymentViewController>(); };
    makers.refundPaymentScreen = [] { return platform::NSObject::create<TAVRORefundPaymentViewController>(); };
    makers.navigationController = [](const platform::UIViewControllerPtr& root) {
        return std::static_pointer_cast<platform::UINavigationController>(
            platform::NSObject::create<TavroMerchantNavigationController>(root));
    };
    registerTavroFlowScreenMakers(std::move(makers));
}

} // namespace

void TavroMerchantSDK::start()
{
    static std::once_flag started;
    std::call_once(started, [] {
        registerBuiltInBundle();
        registerSessionProviders();
        registerFlowScreens();
    });
}

} // namespace tavro
