#pragma once
// The host's own event loop: the framework has none, so the host pumps the platform's main run loop,
// on the system clock, from the main thread.

#include <functional>

// Runs turns of platform::RunLoop::main() until `done` returns true (then true) or `seconds` of
// clock time pass (then false). Between turns with nothing queued it waits for the next timer, at
// most one frame, as a host's loop waits for its next event.
bool pumpUntil(const std::function<bool()>& done, double seconds);

// Runs turns for `seconds` of clock time (to let animations and timers play out).
void pumpFor(double seconds);
