#pragma once
// --trace: what a driver of the host (a person watching, a test) needs to follow it. After each
// present, the input-to-present time of every input it shows ("input <kind> <ms>"); after a present
// that leaves the loop idle, "idle <frame> <W>x<H>" and one line "view <identifier or title> x y w h"
// (screen points) per visible view that has either. Idle: no block queued and no animation pending,
// neither a view animation nor a timer due within a second (transitions, animated scrolls and the
// keyboard run on timers).

#include <chrono>
#include <utility>
#include <vector>

class HostTrace {
public:
    explicit HostTrace(bool enabled) : m_enabled(enabled) {}

    // An input of `kind` was delivered now.
    void inputDelivered(const char* kind);
    // A frame was presented.
    void presented();

private:
    using Clock = std::chrono::steady_clock;

    bool m_enabled;
    long m_frames = 0;
    std::vector<std::pair<const char*, Clock::time_point>> m_inputs;
};
