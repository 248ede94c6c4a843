#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/RunLoopTestSupport.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace platform {
namespace {

using TimerTest = testsupport::ManualRunLoopTest;

TEST_F(TimerTest, OneShotFiresOnceAtItsFireDateAndThenIsInvalid)
{
    std::vector<double> firedAt;
    auto timer = Timer::scheduledTimer(10, false, [&](Timer& t) {
        firedAt.push_back(RunLoop::main().now());
        EXPECT_TRUE(t.isValid());
    });
    EXPECT_DOUBLE_EQ(timer->fireDate(), 10.0);
    EXPECT_EQ(loop().pendingTimerCount(), 1u);

    loop().advanceBy(9.75);
    EXPECT_TRUE(firedAt.empty());
    loop().advanceBy(0.25);
    EXPECT_EQ(firedAt, (std::vector<double>{10.0}));
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
    loop().advanceBy(100);
    EXPECT_EQ(firedAt.size(), 1u);
}

TEST_F(TimerTest, IdleTimerReArmedByActivityFiresAfterTheLastActivity)
{
    // An idle time-out of 180 s, re-armed by a touch at 179 s.
    std::vector<double> firedAt;
    std::shared_ptr<Timer> idle;
    auto arm = [&] {
        if (idle)
            idle->invalidate();
        idle = Timer::scheduledTimer(180, false, [&](Timer&) { firedAt.push_back(RunLoop::main().now()); });
    };
    arm();
    loop().advanceBy(179);
    arm();
    loop().advanceBy(179.75); // up to 358.75
    EXPECT_TRUE(firedAt.empty());
    loop().advanceBy(0.25);
    EXPECT_EQ(firedAt, (std::vector<double>{359.0}));
    loop().advanceBy(1000); // fires once, never again
    EXPECT_EQ(firedAt.size(), 1u);
}

TEST_F(TimerTest, InfiniteOrNaNIntervalNeverFires)
{
    int fired = 0;
    const double inf = std::numeric_limits<double>::infinity();
    auto oneShot = Timer::scheduledTimer(inf, false, [&](Timer&) { ++fired; });
    auto repeating = Timer::scheduledTimer(inf, true, [&](Timer&) { ++fired; });
    auto notANumber = Timer::scheduledTimer(std::numeric_limits<double>::quiet_NaN(), false, [&](Timer&) { ++fired; });
    loop().advanceBy(1e12);
    loop().runUntilIdle();
    EXPECT_EQ(fired, 0);
    // Still scheduled and valid, as the run loop holds them until they are invalidated.
    EXPECT_EQ(loop().pendingTimerCount(), 3u);
    EXPECT_TRUE(oneShot->isValid());
    EXPECT_FALSE(loop().nextFireDate().has_value());
    oneShot->invalidate();
    repeating->invalidate();
    notANumber->invalidate();
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
}

TEST_F(TimerTest, DueTimersFireByTimeThenBySchedulingOrder)
{
    std::vector<std::string> order;
    auto add = [&](double interval, std::string name) {
        Timer::scheduledTimer(interval, false, [&order, name](Timer&) { order.push_back(name); });
    };
    add(5, "t5-first");
    add(3, "t3-first");
    add(3, "t3-second");
    add(5, "t5-second");
    add(1, "t1");
    // All due at once: one jump of the clock, then one turn.
    clock().setNow(10);
    loop().runOnce();
    EXPECT_EQ(order, (std::vector<std::string>{"t1", "t3-first", "t3-second", "t5-first", "t5-second"}));
}

TEST_F(TimerTest, RepeatingTimerKeepsItsRhythmAndStopsWhenInvalidatedInside)
{
    std::vector<double> firedAt;
    auto timer = Timer::scheduledTimer(2, true, [&](Timer& t) {
        firedAt.push_back(RunLoop::main().now());
        // Already re-armed while its block runs.
        EXPECT_DOUBLE_EQ(t.fireDate(), RunLoop::main().now() + 2);
        if (firedAt.size() == 3)
            t.invalidate();
    });
    loop().advanceBy(7);
    EXPECT_EQ(firedAt, (std::vector<double>{2, 4, 6}));
    EXPECT_FALSE(timer->isValid());
    loop().advanceBy(10);
    EXPECT_EQ(firedAt.size(), 3u);

    // A clock that jumps far ahead fires a repeating timer once, not once per missed period.
    int ticks = 0;
    auto ticker = Timer::scheduledTimer(1, true, [&](Timer&) { ++ticks; });
    clock().setNow(now() + 1000.5);
    loop().runUntilIdle();
    EXPECT_EQ(ticks, 1);
    EXPECT_GT(ticker->fireDate(), now());
    EXPECT_LE(ticker->fireDate(), now() + 1);
    ticker->invalidate();
}

TEST_F(TimerTest, RunLoopHoldsTimerAndInvalidateReleasesTheBlock)
{
    auto owner = std::make_shared<int>(1);
    int fired = 0;
    std::weak_ptr<Timer> weakTimer;
    {
        auto timer = Timer::scheduledTimer(1, true, [owner, &fired](Timer&) { ++fired; });
        weakTimer = timer;
    }
    // Dropping the pointer does not stop a scheduled timer.
    loop().advanceBy(3);
    EXPECT_EQ(fired, 3);
    ASSERT_FALSE(weakTimer.expired());
    EXPECT_EQ(owner.use_count(), 2);

    weakTimer.lock()->invalidate();
    EXPECT_TRUE(weakTimer.expired());
    EXPECT_EQ(owner.use_count(), 1);

    // A one-shot timer releases its block after firing.
    auto once = Timer::scheduledTimer(1, false, [owner](Timer&) {});
    EXPECT_EQ(owner.use_count(), 2);
    loop().advanceBy(1);
    EXPECT_EQ(owner.use_count(), 1);
}

TEST_F(TimerTest, CallbacksThatInvalidateOrScheduleTimersAreSafe)
{
    std::vector<std::string> log;
    std::shared_ptr<Timer> victim;
    // Both due at 1; the first invalidates the second before it fires.
    Timer::scheduledTimer(1, false, [&](Timer&) {
        log.push_back("killer");
        victim->invalidate();
        victim.reset();
        // Scheduled for "now" from inside the timer phase: fires in a later turn, not this one.
        Timer::scheduledTimer(0, false, [&](Timer&) { log.push_back("zero-delay"); });
    });
    victim = Timer::scheduledTimer(1, false, [&](Timer&) { log.push_back("victim"); });

    int displayPasses = 0;
    loop().addDisplayPass([&] {
        ++displayPasses;
        log.push_back("display");
    });
    clock().setNow(1);
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"killer", "display"}));
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"killer", "display", "zero-delay", "display"}));

    // A timer whose block drops the only other reference and invalidates itself.
    auto self = std::make_shared<std::shared_ptr<Timer>>();
    *self = Timer::scheduledTimer(1, true, [self](Timer& t) {
        self->reset();
        t.invalidate();
    });
    loop().advanceBy(1);
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
}

} // namespace
} // namespace platform
