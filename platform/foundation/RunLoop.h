#pragma once
// RunLoop: the one loop of the main thread. Everything in the system runs inside its turns.
//
// One turn: drain the main queue (blocks queued while draining wait for the next turn), fire the
// timers that are due in (fire date, scheduling order) order, then run one layout-and-display pass
// through the hook the UI layer registers.
//
// The loop runs on an injectable clock; tests give it a ManualClock and drive it with
// runUntilIdle() and advanceBy(). Work that schedules more work, invalidates timers or runs the
// loop from inside a callback is handled safely: nesting is capped and every drive is bounded.

#include "platform/foundation/Clock.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace platform {

class Timer;

class RunLoop {
public:
    // The main run loop; lives for the whole process.
    static RunLoop& main();

    // The clock that timers are measured on. nullptr restores the system clock.
    void setClock(std::shared_ptr<Clock> clock);
    std::shared_ptr<Clock> clock() const { return m_clock; }
    double now() const { return m_clock->now(); }

    // Runs once at the end of every turn (the UI layer's layout-and-display pass). Empty clears it.
    void setDisplayPassHook(std::function<void()> hook);

    // Queues `block` for the drain of the next turn. Never runs it synchronously. Callable from
    // any thread; an empty block is logged and dropped.
    void enqueue(std::function<void()> block);

    // Runs exactly one turn.
    void runOnce();
    // Runs turns until no block is queued and no timer is due (at least one turn). Gives up with
    // one debug line after a large number of turns, so work that keeps re-queuing itself ends.
    void runUntilIdle();
    // Moves the clock forward by `seconds` (finite, >= 0), stopping at every timer's fire date on
    // the way so each fires at its own time and in order, running turns as it goes. Needs a
    // ManualClock; with any other clock it logs one line and only runs until idle.
    void advanceBy(double seconds);

    // Scheduled, valid timers (including those that never fire because their interval is infinite).
    std::size_t pendingTimerCount() const { return m_timers.size(); }
    std::size_t queuedBlockCount() const;
    bool hasDueTimer() const;
    // Fire date of the earliest scheduled timer, if any timer can ever fire.
    std::optional<double> nextFireDate() const;

    // Drops every queued block and invalidates every scheduled timer (between tests).
    void reset();

    // The pending work as text, for test failures and the debug log: the clock time, how many
    // blocks are queued, then one line per scheduled timer in firing order ("timer at 13 (in 0.5),
    // repeats every 1").
    std::string describePendingWork() const;

private:
    friend class Timer;
    RunLoop();

    struct QueuedBlock {
        std::uint64_t sequence;
        std::function<void()> block;
    };
    using TimerKey = std::pair<double, std::uint64_t>; // (fire date, scheduling sequence)

    void schedule(const std::shared_ptr<Timer>& timer);
    void unschedule(const Timer& timer);
    std::uint64_t takeTimerSequence() { return m_nextTimerSequence++; }

    bool enterDrive(const char* what);
    void leaveDrive() { --m_driveDepth; }
    void drainQueue();
    void fireDueTimers();
    void runDisplayPass();

    std::shared_ptr<Clock> m_clock;
    std::function<void()> m_displayPassHook;

    mutable std::mutex m_queueMutex;
    std::deque<QueuedBlock> m_queue;
    std::uint64_t m_nextBlockSequence = 0;

    std::map<TimerKey, std::shared_ptr<Timer>> m_timers;
    std::uint64_t m_nextTimerSequence = 0;

    int m_driveDepth = 0;
};

} // namespace platform
