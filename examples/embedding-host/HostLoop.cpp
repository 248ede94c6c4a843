#include "HostLoop.h"

#include "platform/foundation/RunLoop.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr double kFrameInterval = 1.0 / 60;

} // namespace

bool pumpUntil(const std::function<bool()>& done, double seconds)
{
    auto& loop = platform::RunLoop::main();
    const double deadline = loop.now() + seconds;
    while (!done()) {
        if (loop.now() >= deadline)
            return false;
        loop.runOnce();
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
