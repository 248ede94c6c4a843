#include "TavroMerchantSDK/screens/TAVRONavigationBaseController.h"

#include "TavroMerchantSDK/support/FrameworkBundle.h"
#include "platform/ui/UIGestureRecognizer.h"

namespace tavro {

using platform::UIImage;

TAVRONavigationBaseController::TAVRONavigationBaseController(platform::UIViewControllerPtr rootViewController)
    : platform::UINavigationController(std::move(rootViewController)), m_stylesBar(true)
{
}

TAVRONavigationBaseController::TAVRONavigationBaseController(std::optional<std::string> nibName,
                                                             std::shared_ptr<platform::Bundle>)
    : platform::UINavigationController(std::move(nibName), frameworkBundle()), m_stylesBar(false)
{
}

void TAVRONavigationBaseController::didCreate()
{
    platform::UINavigationController::didCreate();
    if (m_stylesBar)
        styleBar();
}

void TAVRONavigationBaseController::styleBar()
{
    const auto& bar = navigationBar();
    bar->setTranslucent(false);
    // Empty images leave a flat bar colour and no hairline under the bar.
    bar->setBackgroundImage(UIImage::create(), platform::UIBarPosition::any, platform::UIBarMetrics::default_);
    bar->setShadowImage(UIImage::create());
    setNeedsStatusBarAppearanceUpdate();
    if (auto popGesture = interactivePopGestureRecognizer())
        popGesture->setEnabled(true);
}

platform::UIStatusBarStyle TAVRONavigationBaseController::preferredStatusBarStyle() const
{
    return platform::UIStatusBarStyle::lightContent;
}

platform::UIInterfaceOrientationMask TAVRONavigationBaseController::supportedInterfaceOrientations() const
{
    return platform::UIInterfaceOrientationMask::portrait;
}

bool TAVRONavigationBaseController::shouldAutorotate() const
{
    return false;
}

} // namespace tavro
