// Bundle-for-class lookup: registrations by type, by class name and by class-name prefix.

#include "platform/foundation/Bundle.h"

#include "platform/foundation/NSObject.h"

#include <unordered_map>

namespace platform {

namespace {

struct ClassRegistry {
    std::mutex mutex;
    std::unordered_map<std::type_index, std::shared_ptr<Bundle>> byType;
    std::map<std::string, std::shared_ptr<Bundle>, std::less<>> byName;
    std::map<std::string, std::shared_ptr<Bundle>, std::less<>> byPrefix;
};

ClassRegistry& registry()
{
    static ClassRegistry classes;
    return classes;
}

template <class Map, class Key>
void setOrErase(Map& map, Key&& key, std::shared_ptr<Bundle> bundle)
{
    if (bundle)
        map.insert_or_assign(std::forward<Key>(key), std::move(bundle));
    else
        map.erase(key);
}

// Caller holds the registry's mutex.
std::shared_ptr<Bundle> findByName(ClassRegistry& classes, std::string_view className)
{
    if (auto found = classes.byName.find(className); found != classes.byName.end())
        return found->second;
    std::shared_ptr<Bundle> best;
    std::size_t bestLength = 0;
    for (const auto& [prefix, bundle] : classes.byPrefix) {
        if (prefix.size() >= bestLength && className.substr(0, prefix.size()) == prefix) {
            best = bundle;
            bestLength = prefix.size();
        }
    }
    return best;
}

} // namespace

void Bundle::registerClassBundle(std::type_index type, std::shared_ptr<Bundle> bundle)
{
    auto& classes = registry();
    std::lock_guard lock(classes.mutex);
    setOrErase(classes.byType, type, std::move(bundle));
}

void Bundle::registerClassBundle(std::string className, std::shared_ptr<Bundle> bundle)
{
    auto& classes = registry();
    std::lock_guard lock(classes.mutex);
    setOrErase(classes.byName, std::move(className), std::move(bundle));
}

void Bundle::registerClassNamePrefix(std::string prefix, std::shared_ptr<Bundle> bundle)
{
    auto& classes = registry();
    std::lock_guard lock(classes.mutex);
    setOrErase(classes.byPrefix, std::move(prefix), std::move(bundle));
}

void Bundle::clearClassRegistrations()
{
    auto& classes = registry();
    std::lock_guard lock(classes.mutex);
    classes.byType.clear();
    classes.byName.clear();
    classes.byPrefix.clear();
}

std::string Bundle::className(std::type_index type)
{
    return demangledTypeName(type.name());
}

std::shared_ptr<Bundle> Bundle::forClass(std::type_index type)
{
    {
        auto& classes = registry();
        std::lock_guard lock(classes.mutex);
        if (auto found = classes.byType.find(type); found != classes.byType.end())
            return found->second;
    }
    return forClass(className(type));
}

std::shared_ptr<Bundle> Bundle::forClass(std::string_view className)
{
    {
        auto& classes = registry();
        std::lock_guard lock(classes.mutex);
        if (auto bundle = findByName(classes, className))
            return bundle;
    }
    return main();
}

} // namespace platform
