#pragma once
// TestEnvironment: the process-wide state a UI test runs in, set up on construction and put back
// on destruction: a manual clock (starting at 0) on RunLoop::main() with an empty queue and no
// timers, no first responder, no pending view animations and a 375 x 667 point screen at scale 2.
// Every process-wide singleton is put back too:
// those registered through registerResetForTesting() (the framework's), then the notification
// center (no observers), user defaults (an empty in-memory store), the nib registry (empty), the
// memory of broken image files (empty) and the share sheet's host activity handler (none).
//
// One environment at a time; nest none.
#include "platform/foundation/Clock.h"
#include "platform/foundation/ManualClock.h"

#include <memory>

namespace platform {

class TestEnvironment {
public:
    static constexpr double kScreenWidth = 375;
    static constexpr double kScreenHeight = 667;
    static constexpr double kScreenScale = 2;

    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    const std::shared_ptr<ManualClock>& clock() const { return m_clock; }

    // Runs turns of the main run loop until nothing is queued or due.
    void runUntilIdle();
    // Moves the clock forward by `seconds`, firing every timer on the way (see RunLoop::advanceBy).
    void advanceBy(double seconds);

private:
    static void clearState();

    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<Clock> m_previousClock;
};

} // namespace platform
