#pragma once
// Clock: the source of "now" for the run loop and its timers.
// Only SystemClock reads the wall clock; tests inject a ManualClock and move time themselves.

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary, fixed origin. Never decreases.
    virtual double now() const = 0;
};

} // namespace platform
