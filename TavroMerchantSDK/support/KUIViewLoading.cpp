#include "TavroMerchantSDK/support/KUIViewLoading.h"

#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/UIViewNibExtensions.h"

#include "platform/foundation/NibRegistry.h"

namespace tavro {

std::shared_ptr<platform::NSObject> loadFirstNibObject(std::type_index viewClass)
{
    auto nibName = nibNameForClass(platform::Bundle::className(viewClass));
    // A missing nib is reported (once) by the registry.
    auto objects = platform::NibRegistry::instantiate(bundleForClass(viewClass), nibName);
    if (!objects)
        return nullptr;
    if (objects->empty() || !objects->front()) {
        platform::debugLog("loadFromNib: the nib \"" + nibName + "\" has no top-level object");
        return nullptr;
    }
    return std::static_pointer_cast<platform::NSObject>(objects->front());
}

} // namespace tavro
