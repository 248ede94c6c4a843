#include "platform/foundation/DispatchQueue.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"

#include <cmath>

namespace platform {

DispatchQueue& DispatchQueue::main()
{
    static DispatchQueue* queue = new DispatchQueue();
    return *queue;
}

void DispatchQueue::async(std::function<void()> block)
{
    RunLoop::main().enqueue(std::move(block));
}

void DispatchQueue::asyncAfter(double delay, std::function<void()> block)
{
    if (!block) {
        debugLog("DispatchQueue::asyncAfter: empty block dropped");
        return;
    }
    if (!(delay > 0)) { // also NaN
        async(std::move(block));
        return;
    }
    Timer::scheduledTimer(delay, false, [block = std::move(block)](Timer&) { block(); });
}

} // namespace platform
