#pragma once
// NotificationCenter: named broadcasts within the process, delivered synchronously.
//
// post() calls the matching observers at once, in registration order, over a snapshot taken when
// the post begins: an observer added during delivery is not called for that post; one removed
// during delivery is not called after its removal. Every observer has an owner held weakly; once
// the owner is destroyed the observer is never called and is dropped. The owner is kept alive
// while its block runs.

#include "platform/foundation/AnyValue.h"
#include "platform/foundation/Notification.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Names one registration; hand it back to removeObserver(). For a registration without an owner,
// the token is the owner: the observer lives exactly as long as the token.
class NotificationObserverToken {
public:
    explicit NotificationObserverToken(std::uint64_t id) : m_id(id) {}
    std::uint64_t id() const { return m_id; }

private:
    std::uint64_t m_id;
};

class NotificationCenter {
public:
    using Block = std::function<void(const Notification&)>;

    // The process-wide center; lives for the whole process. Tests may make centers of their own.
    static NotificationCenter& defaultCenter();
    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // Calls `block` for every notification named `name` while `owner` lives. With `object`, only
    // notifications posted by that object (the same owned object) are delivered; once it is
    // destroyed, none are. An expired owner or an empty block registers nothing (one debug line);
    // a token is returned all the same.
    std::shared_ptr<NotificationObserverToken> addObserver(const std::string& name, std::weak_ptr<const void> owner,
                                                           Block block, std::weak_ptr<const void> object = {});
    // The same, owned by the returned token: dropping the token removes the observer.
    std::shared_ptr<NotificationObserverToken> addObserver(const std::string& name, Block block,
                                                           std::weak_ptr<const void> object = {});

    void removeObserver(const std::shared_ptr<NotificationObserverToken>& token);
    // Removes every registration of `owner`, or only those for `name`.
    void removeObserver(const std::weak_ptr<const void>& owner);
    void removeObserver(const std::weak_ptr<const void>& owner, const std::string& name);

    void post(const Notification& notification);
    void post(const std::string& name, std::shared_ptr<void> object = nullptr, AnyValue::Dictionary userInfo = {});

    // Registrations whose owner is still alive.
    std::size_t observerCount();

    // Removes every registration of the default center (between tests).
    static void resetForTesting();

private:
    struct Entry {
        std::uint64_t id;
        std::string name;
        std::weak_ptr<const void> owner;
        bool filtersObject;
        std::weak_ptr<const void> object;
        Block block;
        bool removed = false;
    };

    std::shared_ptr<NotificationObserverToken> add(const std::string& name, std::weak_ptr<const void> owner,
                                                   std::shared_ptr<NotificationObserverToken> token, Block block,
                                                   std::weak_ptr<const void> object);
    template <typename Predicate>
    void removeWhere(Predicate predicate);
    void dropExpired();
    static bool matchesObject(const Entry& entry, const std::shared_ptr<void>& object);

    std::vector<std::shared_ptr<Entry>> m_entries;
    std::uint64_t m_nextId = 1;
};

} // namespace platform
