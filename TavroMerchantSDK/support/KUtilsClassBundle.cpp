#include "TavroMerchantSDK/support/KUtilsClassBundle.h"

#include "TavroMerchantSDK/support/FrameworkBundle.h"

#include <mutex>

namespace tavro {

std::shared_ptr<platform::Bundle> bundleForClass(std::type_index type)
{
    static std::once_flag registered;
    std::call_once(registered, registerFrameworkClasses);
    auto bundle = platform::Bundle::forClass(type);
    return bundle ? bundle : platform::Bundle::main();
}

} // namespace tavro
