#include "TavroMerchantSDK/screens/TavroBaseViewController.h"

#include "TavroMerchantSDK/core/TavroSession.h"

namespace tavro {

TavroBaseViewController::TavroBaseViewController(std::optional<std::string> nibName,
                                                 std::shared_ptr<platform::Bundle> nibBundle)
    : platform::UIViewController(std::move(nibName), std::move(nibBundle))
{
}

void TavroBaseViewController::viewDidLoad()
{
    platform::UIViewController::viewDidLoad();
    view()->setBackgroundColor(TavroSession::sharedSession()->internalConfiguration()->backgroundColor());
    setNeedsStatusBarAppearanceUpdate();
}

platform::UIStatusBarStyle TavroBaseViewController::preferredStatusBarStyle() const
{
    return platform::UIStatusBarStyle::lightContent;
}

platform::UIInterfaceOrientationMask TavroBaseViewController::supportedInterfaceOrientations() const
{
    return platform::UIInterfaceOrientationMask::portrait;
}

bool TavroBaseViewController::shouldAutorotate() const
{
    return false;
}

} // namespace tavro
