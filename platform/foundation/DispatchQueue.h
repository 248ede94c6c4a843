#pragma once
// DispatchQueue: the main queue. Blocks run in the drain of a later run-loop turn, in the order
// they were queued; async never runs a block synchronously, even when called from inside a drain.

#include <functional>

namespace platform {

class DispatchQueue {
public:
    static DispatchQueue& main();

    DispatchQueue(const DispatchQueue&) = delete;
    DispatchQueue& operator=(const DispatchQueue&) = delete;

    // Queues `block` for the next turn. An empty block is logged and dropped.
    void async(std::function<void()> block);
    // Runs `block` `delay` seconds from now (a one-shot timer); delay <= 0 behaves like async.
    void asyncAfter(double delay, std::function<void()> block);

private:
    DispatchQueue() = default;
};

} // namespace platform
