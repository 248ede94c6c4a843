#include "HostLoop.h"

#include "platform/foundation/RunLoop.h"
#include "platform/render/Renderer.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct Frames {
    platform::UIImagePtr latest;
    int drawn = 0;
};

Frames& frames()
{
    static Frames shared;
    return shared;
}

// A real host would hand the image's pixel buffer to its display here.
void present(platform::UIImagePtr frame)
{
    frames().latest = std::move(frame);
    ++frames().drawn;
}

// The loop's wake-up: set by the run loop's wake-up handler, on whichever thread enqueued, and kept
// until the loop takes it, so a wake-up that comes before the wait still ends it.
struct WakeUp {
    std::mutex mutex;
    std::condition_variable signalled;
    bool pending = false;
};

WakeUp& wakeUp()
{
    static WakeUp shared;
    return shared;
}

void signalWakeUp()
{
    {
        std::lock_guard lock(wakeUp().mutex);
        wakeUp().pending = true;
    }
    wakeUp().signalled.notify_one();
}

void takeWakeUp()
{
    std::lock_guard lock(wakeUp().mutex);
    wakeUp().pending = false;
}

// Sleeps until a wake-up or for `seconds`, whichever comes first.
void waitForWakeUp(double seconds)
{
    std::unique_lock lock(wakeUp().mutex);
    wakeUp().signalled.wait_for(lock, std::chrono::duration<double>(std::max(seconds, 0.0)),
                                [] { return wakeUp().pending; });
}

} // namespace

bool pumpUntil(const std::function<bool()>& done, double seconds)
{
    auto& loop = platform::RunLoop::main();
    loop.setWakeUpHandler(signalWakeUp);
    const double deadline = loop.now() + seconds;
    while (!done()) {
        if (loop.now() >= deadline)
            return false;
        // A block enqueued from here on wakes the wait below.
        takeWakeUp();
        if (loop.runOnce().frameDue())
            present(platform::Renderer::renderScreen());
        // The turn may have been what `done` waited for; with nothing queued the loop then sleeps.
        if (!done() && loop.queuedBlockCount() == 0)
            waitForWakeUp(std::min(loop.nextFireDate().value_or(deadline), deadline) - loop.now());
    }
    return true;
}

void pumpFor(double seconds)
{
    pumpUntil([] { return false; }, seconds);
}

platform::UIImagePtr latestFrame()
{
    return frames().latest;
}

int framesDrawn()
{
    return frames().drawn;
}
