#pragma once
// Target-action, one way for every sender (controls, gesture recognizers, bar button items).
//
// TargetAction<Sender> is one pair: a weakly held target and the action it runs. A pair made
// without a target runs with a null target as long as it is kept; a pair made with one runs only
// while that target lives (a dead target's pair does nothing and is dropped from lists).
// TargetActionList<Sender> keeps pairs in the order they were added, each with the events it
// listens to (a bit mask; senders without events use allEvents).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace platform {

namespace targetaction {

// True when both pointers share one control block (the same owned object).
inline bool sameOwner(const std::weak_ptr<void>& a, const std::shared_ptr<void>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

// A default-constructed weak pointer (no target given), as opposed to one whose target died.
inline bool isEmpty(const std::weak_ptr<void>& pointer)
{
    std::weak_ptr<void> empty;
    return !pointer.owner_before(empty) && !empty.owner_before(pointer);
}

} // namespace targetaction

template <class Sender>
class TargetAction {
public:
    // `target` is the locked target (null for a pair without one).
    using Action = std::function<void(const std::shared_ptr<void>& target, Sender& sender)>;

    TargetAction() = default;
    TargetAction(std::weak_ptr<void> target, Action action) : m_action(std::move(action))
    {
        setTarget(std::move(target));
    }

    // A member function of the target as an action: `R T::f()`, or `R T::f(S&)` where S is Sender
    // or a subclass (a sender of another class skips the call).
    template <class T, class M, class R>
        requires std::is_base_of_v<M, T>
    static Action member(R (M::*method)())
    {
        return [method](const std::shared_ptr<void>& target, Sender&) { (static_cast<T*>(target.get())->*method)(); };
    }
    template <class T, class M, class R, class S>
        requires std::is_base_of_v<M, T> && std::is_base_of_v<Sender, S>
    static Action member(R (M::*method)(S&))
    {
        return [method](const std::shared_ptr<void>& target, Sender& sender) {
            if (auto typed = dynamic_cast<S*>(&sender))
                (static_cast<T*>(target.get())->*method)(*typed);
        };
    }

    // An empty weak pointer means no target.
    void setTarget(std::weak_ptr<void> target)
    {
        m_hasTarget = !targetaction::isEmpty(target);
        m_target = std::move(target);
    }
    std::shared_ptr<void> target() const { return m_target.lock(); }
    bool hasTarget() const { return m_hasTarget; }
    bool isTarget(const std::shared_ptr<void>& target) const
    {
        return m_hasTarget && targetaction::sameOwner(m_target, target);
    }

    void setAction(Action action) { m_action = std::move(action); }
    bool hasAction() const { return static_cast<bool>(m_action); }

    // Made without a target, or its target lives.
    bool isAlive() const { return !m_hasTarget || !m_target.expired(); }

    // Runs the action with the locked target. False, running nothing, without an action or once
    // the target died.
    bool send(Sender& sender) const
    {
        if (!m_action)
            return false;
        std::shared_ptr<void> target;
        if (m_hasTarget) {
            target = m_target.lock();
            if (!target)
                return false;
        }
        m_action(target, sender);
        return true;
    }

private:
    bool m_hasTarget = false;
    std::weak_ptr<void> m_target;
    Action m_action;
};

template <class Sender>
class TargetActionList {
public:
    using Pair = TargetAction<Sender>;
    using Action = typename Pair::Action;
    using Events = std::uint64_t;
    static constexpr Events allEvents = ~Events(0);

    // Adds a pair listening to `events` (not none); the same target may be added several times.
    void add(std::weak_ptr<void> target, Action action, Events events = allEvents)
    {
        m_entries.push_back(std::make_shared<Entry>(Entry{Pair(std::move(target), std::move(action)), events}));
    }
    // Removes `events` from every pair of `target` (from every pair when target is null); a pair
    // left with no events goes. Pairs whose target died go too.
    void remove(const std::shared_ptr<void>& target, Events events = allEvents)
    {
        for (auto& entry : m_entries) {
            if (!target || entry->pair.isTarget(target))
                entry->events &= ~events;
        }
        std::erase_if(m_entries, [](const auto& entry) { return entry->events == 0 || !entry->pair.isAlive(); });
    }

    // Pairs kept, dead or alive.
    std::size_t size() const { return m_entries.size(); }
    // Live pairs listening to any of `events`.
    std::size_t liveCount(Events events = allEvents) const
    {
        std::size_t count = 0;
        for (const auto& entry : m_entries)
            count += entry->pair.isAlive() && (entry->events & events) != 0;
        return count;
    }
    // The events some live pair listens to.
    Events liveEvents() const
    {
        Events all = 0;
        for (const auto& entry : m_entries)
            all |= entry->pair.isAlive() ? entry->events : 0;
        return all;
    }
    // The live targets, each once, in the order first added.
    std::vector<std::shared_ptr<void>> liveTargets() const
    {
        std::vector<std::shared_ptr<void>> targets;
        for (const auto& entry : m_entries) {
            auto target = entry->pair.target();
            if (!target)
                continue;
            bool known = false;
            for (const auto& seen : targets)
                known = known || targetaction::sameOwner(seen, target);
            if (!known)
                targets.push_back(std::move(target));
        }
        return targets;
    }

    // Runs every live pair listening to any of `events`, each at most once, in order of addition;
    // drops dead pairs first. Actions may add or remove pairs: added ones wait for the next send,
    // a pair that lost the events before its turn is skipped.
    void send(Sender& sender, Events events = allEvents)
    {
        std::erase_if(m_entries, [](const auto& entry) { return !entry->pair.isAlive(); });
        std::vector<std::shared_ptr<Entry>> matching;
        for (const auto& entry : m_entries) {
            if ((entry->events & events) != 0)
                matching.push_back(entry);
        }
        for (const auto& entry : matching) {
            if ((entry->events & events) != 0)
                entry->pair.send(sender);
        }
    }

private:
    struct Entry {
        Pair pair;
        Events events;
    };
    // Shared, so a send in progress sees removals (their events cleared) made by its actions.
    std::vector<std::shared_ptr<Entry>> m_entries;
};

} // namespace platform
