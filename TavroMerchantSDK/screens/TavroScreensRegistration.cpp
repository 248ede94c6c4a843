// The screens make themselves known to the core's launcher and to the bundle lookup.
#include "TavroMerchantSDK/core/TavroFlowScreens.h"
#include "TavroMerchantSDK/screens/TAVRONavigationBaseController.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "TavroMerchantSDK/support/FrameworkBundle.h"

#include <mutex>
#include <typeindex>

namespace tavro {

void registerTavroScreens()
{
    static std::once_flag registered;
    std::call_once(registered, [] {
        registerFrameworkBundleAnchor(std::type_index(typeid(TAVRONavigationBaseController)));
        TavroFlowScreenMakers makers;
        makers.requestPaymentScreen = [] { return platform::NSObject::create<TAVRORequestPaymentViewController>(); };
        makers.refundPaymentScreen = [] { return platform::NSObject::create<TAVRORefundPaymentViewController>(); };
        makers.navigationController = [](const platform::UIViewControllerPtr& root) {
            return std::static_pointer_cast<platform::UINavigationController>(
                platform::NSObject::create<TavroMerchantNavigationController>(root));
        };
        registerTavroFlowScreenMakers(std::move(makers));
    });
}

} // namespace tavro
