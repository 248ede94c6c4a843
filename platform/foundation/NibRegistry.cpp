#include "platform/foundation/NibRegistry.h"

#include "platform/foundation/DebugLog.h"

#include <map>
#include <mutex>

namespace platform {

namespace {

struct Registry {
    std::mutex mutex;
    // Keyed by bundle path, then nib name; bundles are unique per path.
    std::map<std::pair<std::string, std::string>, NibRegistry::Builder, std::less<>> builders;
};

Registry& registry()
{
    static Registry nibs;
    return nibs;
}

std::pair<std::string, std::string> keyOf(const Bundle& bundle, std::string_view name)
{
    return {bundle.bundlePath(), std::string(name)};
}

} // namespace

void NibRegistry::registerNib(const std::shared_ptr<Bundle>& bundle, std::string_view name, Builder builder)
{
    if (!bundle || !builder || name.empty()) {
        debugLog("NibRegistry: cannot register nib \"" + std::string(name) +
                 "\" without a bundle, a name and a builder");
        return;
    }
    auto& nibs = registry();
    std::lock_guard lock(nibs.mutex);
    nibs.builders.insert_or_assign(keyOf(*bundle, name), std::move(builder));
}

void NibRegistry::unregisterNib(const std::shared_ptr<Bundle>& bundle, std::string_view name)
{
    if (!bundle)
        return;
    auto& nibs = registry();
    std::lock_guard lock(nibs.mutex);
    nibs.builders.erase(keyOf(*bundle, name));
}

void NibRegistry::resetForTesting()
{
    auto& nibs = registry();
    std::lock_guard lock(nibs.mutex);
    nibs.builders.clear();
}

bool NibRegistry::has(const std::shared_ptr<Bundle>& bundle, std::string_view name)
{
    if (!bundle)
        return false;
    auto& nibs = registry();
    std::lock_guard lock(nibs.mutex);
    return nibs.builders.count(keyOf(*bundle, name)) > 0;
}

std::optional<NibRegistry::TopLevelObjects> NibRegistry::instantiate(const std::shared_ptr<Bundle>& bundle,
                                                                     std::string_view name,
                                                                     const std::shared_ptr<void>& owner)
{
    Builder builder;
    if (bundle) {
        auto& nibs = registry();
        std::lock_guard lock(nibs.mutex);
        if (auto found = nibs.builders.find(keyOf(*bundle, name)); found != nibs.builders.end())
            builder = found->second;
    }
    if (!builder) {
        debugLog("Could not load nib named \"" + std::string(name) + "\" in " +
                 (bundle ? bundle->description() : std::string("no bundle")));
        return std::nullopt;
    }
    // The builder runs unlocked: it may itself instantiate or register nibs.
    return builder(owner);
}

} // namespace platform
