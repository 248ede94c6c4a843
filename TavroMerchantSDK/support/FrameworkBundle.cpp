#include "TavroMerchantSDK/support/FrameworkBundle.h"

#include "TavroMerchantSDK/support/BuiltInBundleFiles.h"

#include <mutex>

namespace tavro {

namespace {

std::mutex g_anchorMutex;
std::optional<std::type_index> g_anchor;

std::optional<std::type_index> anchor()
{
    std::lock_guard lock(g_anchorMutex);
    return g_anchor;
}

} // namespace

void registerFrameworkBundleAnchor(std::optional<std::type_index> type)
{
    std::lock_guard lock(g_anchorMutex);
    g_anchor = type;
}

void registerBuiltInBundle()
{
    static std::once_flag registered;
    std::call_once(registered,
                   [] { platform::Bundle::registerFrameworkFiles(kBuiltInBundleName, builtInBundleFiles()); });
}

void registerFrameworkClasses()
{
    registerBuiltInBundle();
    platform::Bundle::registerClassNamePrefix("tavro::", platform::Bundle::framework());
}

std::shared_ptr<platform::Bundle> frameworkBundle()
{
    static std::once_flag registered;
    std::call_once(registered, registerFrameworkClasses);

    auto type = anchor();
    auto bundle =
        type ? platform::Bundle::forClass(*type) : platform::Bundle::forClass(kFrameworkBundleAnchorClassName);
    if (!bundle || bundle == platform::Bundle::main())
        return platform::Bundle::framework();
    return bundle;
}

} // namespace tavro
