#pragma once
// The host's own event loop: the framework has none, so the host pumps the platform's main run loop,
// on the system clock, from the main thread, and presents a frame whenever one is due.

#include "platform/graphics/UIImage.h"

#include <functional>

// Runs turns of platform::RunLoop::main() until `done` returns true (then true) or `seconds` of
// clock time pass (then false). After a turn that ran work, and once a frame interval while an
// animation runs, it draws the screen as a host would before showing it. Between turns with nothing
// queued it waits for the next timer, at most one frame, as a host's loop waits for its next event.
bool pumpUntil(const std::function<bool()>& done, double seconds);

// Runs turns for `seconds` of clock time (to let animations and timers play out).
void pumpFor(double seconds);

// The last frame the loop drew (null before the first) and how many it drew.
platform::UIImagePtr latestFrame();
int framesDrawn();
