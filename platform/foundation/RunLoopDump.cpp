// RunLoop::describePendingWork: the queue and the timers as text.
#include "platform/foundation/ClassicNumbers.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"

#include <cmath>
#include <sstream>

namespace platform {

std::string RunLoop::describePendingWork() const
{
    std::ostringstream out = classicStream();
    const double time = now();
    out << "run loop at " << time << ": " << queuedBlockCount() << " queued block(s), " << m_timers.size()
        << " timer(s)\n";
    for (const auto& [key, timer] : m_timers) {
        const double fireDate = key.first;
        if (std::isfinite(fireDate))
            out << "  timer at " << fireDate << " (in " << fireDate - time << ")";
        else
            out << "  timer that never fires";
        if (timer->repeats())
            out << ", repeats every " << timer->timeInterval();
        out << '\n';
    }
    return out.str();
}

} // namespace platform
