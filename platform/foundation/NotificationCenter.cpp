#include "platform/foundation/NotificationCenter.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>

namespace platform {

namespace {
// True when both pointers share one control block (the same owned object), whatever their types.
template <typename A, typename B>
bool sameOwner(const A& a, const B& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}
} // namespace

NotificationCenter& NotificationCenter::defaultCenter()
{
    // Never destroyed: observers may be removed by objects that die during exit.
    static NotificationCenter* center = new NotificationCenter();
    return *center;
}

std::shared_ptr<NotificationObserverToken> NotificationCenter::addObserver(const std::string& name,
                                                                           std::weak_ptr<const void> owner, Block block,
                                                                           std::weak_ptr<const void> object)
{
    auto token = std::make_shared<NotificationObserverToken>(m_nextId++);
    return add(name, std::move(owner), std::move(token), std::move(block), std::move(object));
}

std::shared_ptr<NotificationObserverToken> NotificationCenter::addObserver(const std::string& name, Block block,
                                                                           std::weak_ptr<const void> object)
{
    auto token = std::make_shared<NotificationObserverToken>(m_nextId++);
    std::weak_ptr<const void> owner = token;
    return add(name, std::move(owner), std::move(token), std::move(block), std::move(object));
}

std::shared_ptr<NotificationObserverToken> NotificationCenter::add(const std::string& name,
                                                                   std::weak_ptr<const void> owner,
                                                                   std::shared_ptr<NotificationObserverToken> token,
                                                                   Block block, std::weak_ptr<const void> object)
{
    if (owner.expired() || !block) {
        debugLog("NotificationCenter::addObserver(" + name + "): no live owner or no block; nothing registered");
        return token;
    }
    dropExpired();
    // An object filter that is already gone matches nothing, as a destroyed sender posts nothing.
    const bool filtersObject = !sameOwner(object, std::weak_ptr<const void>{});
    m_entries.push_back(std::make_shared<Entry>(
        Entry{token->id(), name, std::move(owner), filtersObject, std::move(object), std::move(block)}));
    return token;
}

template <typename Predicate>
void NotificationCenter::removeWhere(Predicate predicate)
{
    // Entries are marked before they leave the list, so a delivery in progress skips them; the
    // removed blocks are destroyed after the list is consistent again.
    std::vector<std::shared_ptr<Entry>> removed;
    auto kept = std::stable_partition(m_entries.begin(), m_entries.end(),
                                      [&](const std::shared_ptr<Entry>& entry) { return !predicate(*entry); });
    for (auto it = kept; it != m_entries.end(); ++it) {
        (*it)->removed = true;
        removed.push_back(std::move(*it));
    }
    m_entries.erase(kept, m_entries.end());
}

void NotificationCenter::removeObserver(const std::shared_ptr<NotificationObserverToken>& token)
{
    if (!token)
        return;
    const auto id = token->id();
    removeWhere([id](const Entry& entry) { return entry.id == id; });
}

void NotificationCenter::removeObserver(const std::weak_ptr<const void>& owner)
{
    removeWhere([&](const Entry& entry) { return sameOwner(entry.owner, owner); });
}

void NotificationCenter::removeObserver(const std::weak_ptr<const void>& owner, const std::string& name)
{
    removeWhere([&](const Entry& entry) { return entry.name == name && sameOwner(entry.owner, owner); });
}

void NotificationCenter::dropExpired()
{
    removeWhere([](const Entry& entry) { return entry.owner.expired(); });
}

bool NotificationCenter::matchesObject(const Entry& entry, const std::shared_ptr<void>& object)
{
    if (!entry.filtersObject)
        return true;
    return object && !entry.object.expired() && sameOwner(entry.object, object);
}

void NotificationCenter::post(const Notification& notification)
{
    dropExpired();
    std::vector<std::shared_ptr<Entry>> snapshot;
    for (const auto& entry : m_entries) {
        if (entry->name == notification.name())
            snapshot.push_back(entry);
    }
    for (const auto& entry : snapshot) {
        if (entry->removed || !matchesObject(*entry, notification.object()))
            continue;
        auto ownerAlive = entry->owner.lock();
        if (!ownerAlive)
            continue;
        entry->block(notification);
    }
}

void NotificationCenter::post(const std::string& name, std::shared_ptr<void> object, AnyValue::Dictionary userInfo)
{
    post(Notification(name, std::move(object), std::move(userInfo)));
}

std::size_t NotificationCenter::observerCount()
{
    dropExpired();
    return m_entries.size();
}

void NotificationCenter::resetForTesting()
{
    defaultCenter().removeWhere([](const Entry&) { return true; });
}

} // namespace platform
