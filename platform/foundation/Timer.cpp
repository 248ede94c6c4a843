#include "platform/foundation/Timer.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {
// Shortest period of a repeating timer, so one cannot spin the loop.
constexpr double kMinimumRepeatInterval = 0.0001;
} // namespace

Timer::Timer(double interval, bool repeats, Block block)
    : m_interval(interval), m_repeats(repeats), m_block(std::move(block))
{
}

std::shared_ptr<Timer> Timer::scheduledTimer(double interval, bool repeats, Block block)
{
    if (std::isnan(interval)) {
        debugLog("Timer::scheduledTimer: NaN interval; the timer will never fire");
        interval = std::numeric_limits<double>::infinity();
    }
    if (repeats && interval < kMinimumRepeatInterval)
        interval = kMinimumRepeatInterval;
    else if (interval < 0)
        interval = 0;

    std::shared_ptr<Timer> timer(new Timer(interval, repeats, std::move(block)));
    RunLoop& loop = RunLoop::main();
    timer->m_fireDate = loop.now() + interval;
    loop.schedule(timer);
    return timer;
}

void Timer::invalidate()
{
    if (!m_valid)
        return;
    m_valid = false;
    // Released through a local: the captures' destructors may reach this timer again, and the
    // unschedule below may drop the last reference to this timer, so no member is touched after it.
    Block released = std::move(m_block);
    m_block = nullptr;
    RunLoop::main().unschedule(*this);
}

double Timer::nextFireDateAfter(double now) const
{
    double next = m_fireDate + m_interval;
    if (next <= now) {
        // Skip the firings that were missed while the loop was not running.
        const double missed = std::floor((now - m_fireDate) / m_interval);
        next = m_fireDate + (missed + 1) * m_interval;
        while (next <= now)
            next += m_interval;
    }
    return next;
}

} // namespace platform
