#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/core/TavroSession.h"
#include "TavroMerchantSDK/support/UIButtonExtensions.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIBarButtonItem.h"

namespace tavro {

using platform::UIBarButtonItem;
using platform::UIControlState;

TavroMerchantNavigationController::TavroMerchantNavigationController(platform::UIViewControllerPtr rootViewController)
    : TAVRONavigationBaseController(std::move(rootViewController)), m_appliesColors(true)
{
}

TavroMerchantNavigationController::TavroMerchantNavigationController(std::optional<std::string> nibName,
                                                                     std::shared_ptr<platform::Bundle> nibBundle)
    : TAVRONavigationBaseController(std::move(nibName), std::move(nibBundle)), m_appliesColors(false)
{
}

void TavroMerchantNavigationController::didCreate()
{
    TAVRONavigationBaseController::didCreate();
    if (m_appliesColors)
        applyConfiguredColors();
}

void TavroMerchantNavigationController::applyConfiguredColors()
{
    const auto& config = TavroSession::sharedSession()->internalConfiguration();
    const auto& bar = navigationBar();
    bar->setTintColor(config->fontColor());
    bar->setBarTintColor(config->backgroundColor());
    platform::TextAttributes attributes;
    attributes.emplace(platform::NSAttributedStringKey::foregroundColor, config->fontColor());
    attributes.emplace(platform::NSAttributedStringKey::font, platform::UIFont::boldSystemFont(20));
    bar->setTitleTextAttributes(std::move(attributes));
}

void TavroMerchantNavigationController::pushViewController(const platform::UIViewControllerPtr& viewController, bool)
{
    if (viewController)
        addLeftBarButtonItem(viewController->navigationItem());
    TAVRONavigationBaseController::pushViewController(viewController, true);
}

void TavroMerchantNavigationController::addLeftBarButtonItem(
    const std::shared_ptr<platform::UINavigationItem>& navigationItem)
{
    if (!navigationItem)
        return;
    const auto& config = TavroSession::sharedSession()->internalConfiguration();
    if (navigationItem->backBarButtonItem()) {
        navigationItem->setBackBarButtonItem(UIBarButtonItem::withImage(config->issuerBackButton()));
        return;
    }
    auto button =
        platform::NSObject::create<KSecondaryButtonIcon>(platform::CGRect(0, 0, backButtonSize, backButtonSize));
    // The bar places its items by frame.
    button->setTranslatesAutoresizingMaskIntoConstraints(true);
    button->addTarget(sharedFromThis<TavroMerchantNavigationController>(),
                      &TavroMerchantNavigationController::popAction, platform::UIControlEvents::touchUpInside);
    button->setImage(config->issuerBackButton(), UIControlState::normal);
    setBackgroundColor(*button, config->actionButtonActiveColor(), UIControlState::highlighted);

    auto backItem = UIBarButtonItem::withCustomView(button);
    backItem->setTintColor(platform::UIColor::white());
    backItem->setAccessibilityIdentifier("Back_Button");
    auto edgeSpace = UIBarButtonItem::fixedSpace(backButtonEdgeSpace);
    navigationItem->setLeftBarButtonItems({edgeSpace, backItem});
}

void TavroMerchantNavigationController::popAction()
{
    const auto& session = TavroSession::sharedSession();
    if (!popViewController(true))
        session->dismissSDKWindow(nullptr);
    // The flow is still set here even at the root: tear-down resets it only after the slide.
    if (session->activeSessionType() == TavroActiveFlow::requestPayment)
        session->requestPaymentSession()->setIsUpdated(false);
}

} // namespace tavro
