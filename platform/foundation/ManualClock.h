#pragma once
// ManualClock: time that moves only when told to. Tests drive timers with it; nothing sleeps.

#include "platform/foundation/Clock.h"

namespace platform {

class ManualClock final : public Clock {
public:
    explicit ManualClock(double start = 0.0) : m_now(start) {}

    double now() const override { return m_now; }

    // Moves time forward by `seconds` (finite, >= 0). Anything else is logged and ignored.
    void advance(double seconds);
    // Sets time to `seconds` exactly (finite, >= now()). Going back is logged and ignored.
    void setNow(double seconds);

private:
    double m_now;
};

} // namespace platform
