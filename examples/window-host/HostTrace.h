#pragma once
// --trace: what a driver of the host (a person watching, a test) needs to follow it. After each
// present, the input-to-present time of every input it shows ("input <kind> <ms>"); after a present
// that leaves the loop idle, "idle <frame> <W>x<H> <x> <y> <w> <h>" (the phone's size in points, then
// its rectangle in window pixels) and one line "view <identifier or title> x y w h" (window pixels)
// per visible view that has either and that a click at its centre reaches. Idle: no block queued and
// no animation pending, neither a view animation nor a timer due within a second (transitions,
// animated scrolls and the keyboard run on timers).

#include "PhoneFit.h"

#include <chrono>
#include <utility>
#include <vector>

class HostTrace {
public:
    explicit HostTrace(bool enabled) : m_enabled(enabled) {}

    // An input of `kind` was delivered now.
    void inputDelivered(const char* kind);
    // A frame was presented, the phone placed in the window by `fit`.
    void presented(const PhoneFit& fit);

private:
    using Clock = std::chrono::steady_clock;

    bool m_enabled;
    long m_frames = 0;
    std::vector<std::pair<const char*, Clock::time_point>> m_inputs;
};
