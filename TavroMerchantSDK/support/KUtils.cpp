#include "TavroMerchantSDK/support/KUtils.h"

#include "TavroMerchantSDK/support/KUtilsClassBundle.h"

#include <iostream>
#include <string>
#include <typeindex>

namespace tavro {

namespace {

constexpr const char* kUIControlsBundleName = "UIControlsResources";

// The text as a quoted literal: quotes, backslashes and control characters escaped.
std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
    return out + "\"";
}

} // namespace

void KUtils::debugPrintAvailableBundles()
{
    for (const auto& bundle : platform::Bundle::allBundles())
        std::cout << quoted("bundle " + bundle->description()) << '\n';
    std::cout.flush();
}

std::shared_ptr<platform::Bundle> KUtils::uiControlsBundle()
{
    auto framework = bundleForClass(std::type_index(typeid(KUtils)));
    // KUtils always lives in the framework; a lookup that lands in the host's bundle means the
    // framework's classes are not mapped, so the platform's framework bundle stands in.
    if (framework == platform::Bundle::main())
        framework = platform::Bundle::framework();
    if (auto path = framework->pathForResource(kUIControlsBundleName, "bundle")) {
        if (auto nested = platform::Bundle::forPath(*path))
            return nested;
    }
    return framework;
}

} // namespace tavro
