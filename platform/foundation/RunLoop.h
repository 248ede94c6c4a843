#pragma once
// RunLoop: the one loop of the main thread. Everything in the system runs inside its turns.
//
// One turn: drain the main queue (blocks queued while draining wait for the next turn), fire the
// timers that are due in (fire date, scheduling order) order, then run the display passes: the UI
// layer's layout pass, and any a host joins.
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
#include <vector>

namespace platform {

class Timer;

// What one turn of the loop did. After a turn that did anything a frame is due: what is on screen
// may have changed.
struct RunLoopTurn {
    bool ranBlocks = false;     // drained at least one queued block
    bool firedTimers = false;   // fired at least one timer
    bool handledEvents = false; // input events were delivered since the turn before (noteEventHandled)

    bool frameDue() const { return ranBlocks || firedTimers || handledEvents; }
    bool operator==(const RunLoopTurn&) const = default;
};

class RunLoop {
public:
    // The main run loop; lives for the whole process.
    static RunLoop& main();

    // The clock that timers are measured on. nullptr restores the system clock.
    void setClock(std::shared_ptr<Clock> clock);
    std::shared_ptr<Clock> clock() const { return m_clock; }
    double now() const { return m_clock->now(); }

    // --- display passes: run at the end of every turn, in the order they were added ---
    using DisplayPassToken = std::uint64_t;
    // Adds `pass` and returns the token that removes it (never 0; tokens are not reused). An empty
    // function is logged and not added (token 0).
    DisplayPassToken addDisplayPass(std::function<void()> pass);
    // Removes the pass; unknown tokens (and 0) are ignored. A pass removed while the passes run does
    // not run in that turn; a pass added then runs from the next turn.
    void removeDisplayPass(DisplayPassToken token);
    bool hasDisplayPass(DisplayPassToken token) const;
    std::size_t displayPassCount() const { return m_displayPasses.size(); }

    // Records that an input event (a touch, a key) was delivered outside the loop's own work; the
    // next turn reports it. Main thread.
    void noteEventHandled() { m_eventHandled = true; }

    // Queues `block` for the drain of the next turn. Never runs it synchronously. Callable from
    // any thread; an empty block is logged and dropped.
    void enqueue(std::function<void()> block);
    // Called after every enqueue (on the main thread too), on the enqueuing thread and outside the
    // queue's lock, so a host that sleeps between turns can wake its loop (write to its eventfd or
    // pipe, post a toolkit event). An empty function removes it; reset() drops it. Safe to set while
    // other threads enqueue: an enqueue already under way may still call the previous handler.
    void setWakeUpHandler(std::function<void()> handler);

    // Runs exactly one turn and says what it did; nothing when called nested too deeply.
    RunLoopTurn runOnce();
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

    // Drops every queued block and the wake-up handler, invalidates every scheduled timer and
    // removes every display pass (between tests; the UI joins again when a window shows).
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
    RunLoopTurn runTurn();
    // Each returns whether it ran anything.
    bool drainQueue();
    bool fireDueTimers();
    void runDisplayPasses();

    std::shared_ptr<Clock> m_clock;
    std::vector<std::pair<DisplayPassToken, std::function<void()>>> m_displayPasses;
    DisplayPassToken m_nextDisplayPassToken = 1;
    bool m_eventHandled = false;

    mutable std::mutex m_queueMutex;
    std::deque<QueuedBlock> m_queue;
    std::uint64_t m_nextBlockSequence = 0;
    // Shared, so an enqueue calls the handler it saw under the lock after letting the lock go.
    std::shared_ptr<const std::function<void()>> m_wakeUpHandler;

    std::map<TimerKey, std::shared_ptr<Timer>> m_timers;
    std::uint64_t m_nextTimerSequence = 0;

    int m_driveDepth = 0;
};

} // namespace platform
