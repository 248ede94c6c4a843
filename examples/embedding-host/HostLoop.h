#pragma once
// The host's own event loop: the framework has none, so the host pumps the platform's main run loop,
// on the system clock, from the main thread, and presents a frame whenever one is due.

#include "platform/graphics/UIImage.h"

#include <functional>

// Runs turns of platform::RunLoop::main() until `done` returns true (then true) or `seconds` of
// clock time pass (then false). After a turn that makes a frame due it draws the screen as a host
// would before showing it (animations need no other frames: their pictures change in timer turns).
// Between turns with nothing queued it sleeps until the next timer, a wake-up (the run loop's
// wake-up handler: a block enqueued, from any thread) or the deadline.
bool pumpUntil(const std::function<bool()>& done, double seconds);

// Runs turns for `seconds` of clock time (to let animations and timers play out).
void pumpFor(double seconds);

// The last frame the loop drew (null before the first) and how many it drew.
platform::UIImagePtr latestFrame();
int framesDrawn();
