#include "TavroMerchantSDK/support/LocalizedString.h"

#include "TavroMerchantSDK/support/FrameworkBundle.h"

namespace tavro {

std::string localizedString(std::string_view key, std::string_view /*comment*/)
{
    // An empty default value makes a missing key come back as the key itself.
    return frameworkBundle()->localizedString(key, {}, {});
}

} // namespace tavro
