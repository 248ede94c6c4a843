#include "HostLoop.h"

#include "platform/foundation/RunLoop.h"
#include "platform/render/Renderer.h"
#include "platform/ui/UIView.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr double kFrameInterval = 1.0 / 60;

struct Frames {
    platform::UIImagePtr latest;
    int drawn = 0;
    double lastDrawn = -kFrameInterval;
};

Frames& frames()
{
    static Frames shared;
    return shared;
}

// A real host would hand the image's pixel buffer to its display here.
void present(platform::UIImagePtr frame, double now)
{
    frames().latest = std::move(frame);
    frames().lastDrawn = now;
    ++frames().drawn;
}

} // namespace

bool pumpUntil(const std::function<bool()>& done, double seconds)
{
    auto& loop = platform::RunLoop::main();
    const double deadline = loop.now() + seconds;
    while (!done()) {
        if (loop.now() >= deadline)
            return false;
        const platform::RunLoopTurn turn = loop.runOnce();
        const bool animating = platform::UIView::pendingAnimationCount() > 0;
        if (turn.frameDue() || (animating && loop.now() - frames().lastDrawn >= kFrameInterval))
            present(platform::Renderer::renderScreen(), loop.now());
        if (loop.queuedBlockCount() == 0) {
            double wait = kFrameInterval;
            if (auto next = loop.nextFireDate())
                wait = std::clamp(*next - loop.now(), 0.0, kFrameInterval);
            std::this_thread::sleep_for(std::chrono::duration<double>(wait));
        }
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
