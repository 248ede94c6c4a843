#pragma once
// Timer: a one-shot or repeating timer on the main run loop.
//
// The run loop holds a scheduled timer until it is invalidated or, for a one-shot timer, until it
// has fired; dropping the returned pointer does not stop it. Blocks should capture weak_ptr to
// their owners. invalidate() releases the block.

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class RunLoop;

class Timer {
public:
    using Block = std::function<void(Timer&)>;

    // Schedules a timer on the main run loop that fires `interval` seconds from now.
    // A one-shot timer with interval <= 0 fires in the next turn; a repeating timer's interval is
    // at least 0.0001 s. An infinite (or NaN) interval never fires. An empty block is allowed.
    static std::shared_ptr<Timer> scheduledTimer(double interval, bool repeats, Block block);

    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Stops the timer for good and releases its block. Safe to call more than once, and from
    // inside the timer's own block.
    void invalidate();
    bool isValid() const { return m_valid; }
    // Clock time of the next firing (infinity for a timer that never fires).
    double fireDate() const { return m_fireDate; }
    double timeInterval() const { return m_interval; }
    bool repeats() const { return m_repeats; }

private:
    friend class RunLoop;
    Timer(double interval, bool repeats, Block block);

    // The fire date after one firing, past `now` (missed firings of a repeating timer are skipped).
    double nextFireDateAfter(double now) const;

    double m_interval;
    bool m_repeats;
    Block m_block;
    bool m_valid = true;
    bool m_scheduled = false;
    double m_fireDate = 0.0;
    std::uint64_t m_sequence = 0;
};

} // namespace platform
