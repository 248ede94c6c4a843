#include "platform/foundation/DebugLog.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/SystemClock.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/RunLoopTestSupport.h"

#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform {
namespace {

using RunLoopTest = testsupport::ManualRunLoopTest;

TEST_F(RunLoopTest, AsyncNeverRunsSynchronouslyAndDrainsInOrder)
{
    std::vector<std::string> log;
    DispatchQueue::main().async([&] { log.push_back("a"); });
    DispatchQueue::main().async([&] { log.push_back("b"); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop().queuedBlockCount(), 2u);

    // A block queued during a drain waits for the next turn, even though the drain is on the
    // main thread and is still running.
    DispatchQueue::main().async([&] {
        log.push_back("c");
        DispatchQueue::main().async([&] { log.push_back("queued-in-drain"); });
        log.push_back("c-end");
    });
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "c-end"}));
    EXPECT_EQ(loop().queuedBlockCount(), 1u);
    loop().runOnce();
    EXPECT_EQ(log.back(), "queued-in-drain");
    EXPECT_EQ(loop().queuedBlockCount(), 0u);
}

TEST_F(RunLoopTest, WakeUpHandlerRunsOnTheEnqueuingThreadAfterTheBlockIsQueued)
{
    std::mutex mutex;
    std::vector<std::pair<std::thread::id, std::size_t>> wakeUps;
    loop().setWakeUpHandler([&] {
        // Reads the queue, which takes its lock: the handler runs with the lock let go.
        const std::size_t queued = loop().queuedBlockCount();
        std::lock_guard lock(mutex);
        wakeUps.emplace_back(std::this_thread::get_id(), queued);
    });
    loop().enqueue([] {});
    std::thread worker([] { RunLoop::main().enqueue([] {}); });
    const auto workerId = worker.get_id();
    worker.join();
    ASSERT_EQ(wakeUps.size(), 2u);
    EXPECT_EQ(wakeUps[0], std::make_pair(std::this_thread::get_id(), std::size_t(1)));
    EXPECT_EQ(wakeUps[1], std::make_pair(workerId, std::size_t(2)));

    // Removed by an empty function, and by reset.
    loop().setWakeUpHandler({});
    loop().enqueue([] {});
    loop().setWakeUpHandler([&] { wakeUps.emplace_back(); });
    loop().reset();
    loop().enqueue([] {});
    EXPECT_EQ(wakeUps.size(), 2u);
}

TEST_F(RunLoopTest, TurnDrainsQueueThenFiresTimersThenRunsOneDisplayPass)
{
    std::vector<std::string> log;
    loop().addDisplayPass([&] { log.push_back("display"); });
    Timer::scheduledTimer(0, false, [&](Timer&) { log.push_back("timer"); });
    DispatchQueue::main().async([&] { log.push_back("block"); });
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"block", "timer", "display"}));

    // An idle turn still lays out once.
    loop().runOnce();
    EXPECT_EQ(log.size(), 4u);
    EXPECT_EQ(log.back(), "display");
}

TEST_F(RunLoopTest, RunUntilIdleFollowsChainsAndStopsOnEndlessWork)
{
    int depth = 0;
    std::function<void()> chain = [&] {
        if (++depth < 50)
            DispatchQueue::main().async(chain);
    };
    DispatchQueue::main().async(chain);
    loop().runUntilIdle();
    EXPECT_EQ(depth, 50);
    EXPECT_EQ(loop().queuedBlockCount(), 0u);

    // A block that re-queues itself forever: the drive ends with one debug line.
    int runs = 0;
    std::function<void()> forever = [&] {
        ++runs;
        DispatchQueue::main().async(forever);
    };
    DispatchQueue::main().async(forever);
    DebugLogCapture capture;
    loop().runUntilIdle();
    EXPECT_GT(runs, 1000);
    EXPECT_TRUE(capture.contains("runUntilIdle"));
    loop().reset();
    EXPECT_EQ(loop().queuedBlockCount(), 0u);
}

TEST_F(RunLoopTest, AdvanceByStopsAtEachFireDateInOrder)
{
    std::vector<std::pair<std::string, double>> fired;
    auto record = [&](std::string name) {
        return [&fired, name](Timer&) { fired.emplace_back(name, RunLoop::main().now()); };
    };
    Timer::scheduledTimer(2.5, false, record("late"));
    Timer::scheduledTimer(1.0, false, record("early"));
    // A block run on the way schedules a further timer, which still fires within the same advance.
    Timer::scheduledTimer(1.5, false, [&](Timer&) {
        fired.emplace_back("middle", RunLoop::main().now());
        Timer::scheduledTimer(0.5, false, record("chained"));
    });

    loop().advanceBy(3.0);
    ASSERT_EQ(fired.size(), 4u);
    EXPECT_EQ(fired[0], std::make_pair(std::string("early"), 1.0));
    EXPECT_EQ(fired[1], std::make_pair(std::string("middle"), 1.5));
    EXPECT_EQ(fired[2].first, "chained");
    EXPECT_DOUBLE_EQ(fired[2].second, 2.0);
    EXPECT_EQ(fired[3], std::make_pair(std::string("late"), 2.5));
    EXPECT_DOUBLE_EQ(now(), 3.0);
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
}

TEST_F(RunLoopTest, AdvanceByRejectsBadStepsAndNeedsAManualClock)
{
    {
        DebugLogCapture capture;
        loop().advanceBy(-1);
        loop().advanceBy(std::numeric_limits<double>::quiet_NaN());
        loop().advanceBy(std::numeric_limits<double>::infinity());
        EXPECT_EQ(capture.lines().size(), 3u);
        EXPECT_DOUBLE_EQ(now(), 0.0);
    }
    loop().setClock(std::make_shared<SystemClock>());
    bool ran = false;
    DispatchQueue::main().async([&] { ran = true; });
    DebugLogCapture capture;
    loop().advanceBy(10);
    EXPECT_TRUE(capture.contains("ManualClock"));
    EXPECT_TRUE(ran); // still runs until idle
}

TEST_F(RunLoopTest, NestedDrivesFromCallbacksAreSafeAndBounded)
{
    std::vector<std::string> log;
    // A block that runs the loop from inside a drain: the later-queued block still runs once.
    DispatchQueue::main().async([&] {
        log.push_back("outer");
        DispatchQueue::main().async([&] { log.push_back("inner"); });
        RunLoop::main().runUntilIdle();
        log.push_back("outer-end");
    });
    DispatchQueue::main().async([&] { log.push_back("second"); });
    loop().runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "second", "inner", "outer-end"}));

    // A timer that advances the clock itself: the outer advance continues from there and nothing
    // fires twice.
    int shortFired = 0, longFired = 0;
    Timer::scheduledTimer(1, false, [&](Timer&) {
        ++shortFired;
        RunLoop::main().advanceBy(5);
    });
    Timer::scheduledTimer(4, false, [&](Timer&) { ++longFired; });
    loop().advanceBy(2);
    EXPECT_EQ(shortFired, 1);
    EXPECT_EQ(longFired, 1);
    EXPECT_DOUBLE_EQ(now(), 6.0);

    // Unbounded recursion through the loop is cut off with a debug line instead of overflowing.
    int nesting = 0;
    std::function<void()> recurse = [&] {
        ++nesting;
        DispatchQueue::main().async(recurse);
        RunLoop::main().runOnce();
    };
    DispatchQueue::main().async(recurse);
    DebugLogCapture capture;
    loop().runOnce();
    EXPECT_LE(nesting, 64);
    EXPECT_TRUE(capture.contains("nested"));
}

TEST_F(RunLoopTest, AsyncAfterRunsAtItsDelayAndZeroDelayLikeAsync)
{
    std::vector<std::string> log;
    DispatchQueue::main().asyncAfter(0.25, [&] { log.push_back("later"); });
    DispatchQueue::main().asyncAfter(0, [&] { log.push_back("now"); });
    EXPECT_TRUE(log.empty());
    loop().runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"now"}));
    loop().advanceBy(0.2);
    EXPECT_EQ(log.size(), 1u);
    loop().advanceBy(0.05);
    EXPECT_EQ(log, (std::vector<std::string>{"now", "later"}));
}

} // namespace
} // namespace platform
