#include "TavroMerchantSDK/support/UIViewNibExtensions.h"

#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/ui/NSLayoutConstraint.h"

#include <vector>

namespace tavro {

using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;
using platform::UIView;

std::string nibNameForClass(std::string_view className)
{
    auto cut = className.rfind("::");
    std::size_t start = cut == std::string_view::npos ? 0 : cut + 2;
    auto dot = className.rfind('.');
    if (dot != std::string_view::npos && dot + 1 > start)
        start = dot + 1;
    return std::string(className.substr(start));
}

void loadViewFromNib(const platform::UIViewPtr& view)
{
    if (!view) {
        platform::debugLog("loadViewFromNib: no view");
        return;
    }
    loadViewFromNibWithClass(view, view->classType());
}

void loadViewFromNibWithClass(const platform::UIViewPtr& view, std::type_index viewClass)
{
    if (!view) {
        platform::debugLog("loadViewFromNibWithClass: no view");
        return;
    }
    auto nibName = nibNameForClass(platform::Bundle::className(viewClass));
    auto bundle = bundleForClass(viewClass);
    // A missing nib is reported (once) by the registry.
    auto objects = platform::NibRegistry::instantiate(bundle, nibName, nibOwner(view));
    auto content = objects && !objects->empty() ? nibObjectAs<platform::UIView>(objects->front()) : nullptr;
    if (content) {
        content->setFrame(view->bounds());
        view->addSubview(content);
        content->setBackgroundColor(platform::UIColor::clear());
        content->setTranslatesAutoresizingMaskIntoConstraints(false);
        std::vector<platform::NSLayoutConstraintPtr> edges;
        for (auto edge :
             {NSLayoutAttribute::top, NSLayoutAttribute::bottom, NSLayoutAttribute::left, NSLayoutAttribute::right}) {
            auto constraint = NSLayoutConstraint::create(content, edge, NSLayoutRelation::equal, view, edge, 1, 0);
            constraint->setPriority(platform::UILayoutPriorityRequired);
            edges.push_back(constraint);
        }
        NSLayoutConstraint::activate(edges);
    }
    view->setClipsToBounds(true);
}

platform::UIViewPtr loadNib(std::string_view name, const std::shared_ptr<platform::Bundle>& bundle)
{
    auto objects = platform::NibRegistry::instantiate(bundle, name);
    if (objects && !objects->empty()) {
        if (auto view = nibObjectAs<platform::UIView>(objects->front()))
            return view;
    }
    if (objects)
        platform::debugLog("loadNib: the nib \"" + std::string(name) + "\" holds no view first");
    return platform::NSObject::create<platform::UIView>();
}

} // namespace tavro
