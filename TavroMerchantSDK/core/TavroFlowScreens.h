#pragma once
// How the launcher makes the first screen of each flow and the navigation controller around it.
// The screens live in a library above the core, so they register their makers here
// (TavroMerchantSDK::start() does it); the core never names a screen class.

#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIViewController.h"

#include <functional>
#include <memory>

namespace tavro {

struct TavroFlowScreenMakers {
    // The request-payment (QR) screen, made with its plain initialiser.
    std::function<platform::UIViewControllerPtr()> requestPaymentScreen;
    // The refund review screen, made with its plain initialiser.
    std::function<platform::UIViewControllerPtr()> refundPaymentScreen;
    // The flow's navigation controller with `root` as its first screen.
    std::function<std::shared_ptr<platform::UINavigationController>(const platform::UIViewControllerPtr& root)>
        navigationController;

    bool isComplete() const { return requestPaymentScreen && refundPaymentScreen && navigationController; }
};

// Installs the makers, replacing earlier ones.
void registerTavroFlowScreenMakers(TavroFlowScreenMakers makers);
// The makers installed last; empty functions before any registration.
const TavroFlowScreenMakers& tavroFlowScreenMakers();

} // namespace tavro
