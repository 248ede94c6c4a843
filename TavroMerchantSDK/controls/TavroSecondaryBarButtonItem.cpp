#include "TavroMerchantSDK/controls/TavroSecondaryBarButtonItem.h"

#include "TavroMerchantSDK/support/UIButtonExtensions.h"

namespace tavro {

std::shared_ptr<platform::UIBarButtonItem>
TavroSecondaryBarButtonItem::secondaryButtonIconItem(const platform::UIImagePtr& icon, std::weak_ptr<void> target,
                                                     platform::UIControl::Action action,
                                                     const platform::UIColorPtr& backgroundColor)
{
    auto button = platform::NSObject::create<KSecondaryButtonIcon>(platform::CGRect(0, 0, side, side));
    button->addTarget(std::move(target), std::move(action), platform::UIControlEvents::touchUpInside);
    button->setTranslatesAutoresizingMaskIntoConstraints(true);
    button->setImage(icon, platform::UIControlState::normal);
    tavro::setBackgroundColor(*button, backgroundColor, platform::UIControlState::highlighted);
    return platform::UIBarButtonItem::withCustomView(button);
}

} // namespace tavro
