#include "TavroMerchantSDK/controls/CardNibContent.h"

#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/UIViewNibExtensions.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <string>
#include <vector>

namespace tavro {

platform::UIViewPtr loadCardNibContent(const platform::UIViewPtr& view, std::type_index nibClass)
{
    if (!view)
        return nullptr;
    auto before = view->subviews();
    loadViewFromNibWithClass(view, nibClass);
    const auto& after = view->subviews();
    if (after.size() > before.size())
        return after.back();
    auto nibName = nibNameForClass(platform::Bundle::className(nibClass));
    if (platform::NibRegistry::has(bundleForClass(nibClass), nibName))
        platform::debugLog("The nib \"" + nibName + "\" holds no view first; the card stays empty");
    return nullptr;
}

void discardCardNibContent(const platform::UIViewPtr& view, const platform::UIViewPtr& content,
                           std::string_view viewName, std::string_view missing)
{
    platform::debugLog(std::string(viewName) + ": the outlet " + std::string(missing) +
                       " is not connected by its nib; the card stays empty");
    if (!view || !content)
        return;
    std::vector<platform::NSLayoutConstraintPtr> pins;
    for (const auto& constraint : view->constraints()) {
        if (constraint->firstView() == content || constraint->secondView() == content)
            pins.push_back(constraint);
    }
    view->removeConstraints(pins);
    content->removeFromSuperview();
}

} // namespace tavro
