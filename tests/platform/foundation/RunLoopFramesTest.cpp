// What a turn reports to a host that draws frames, and the display passes the UI and a host share.
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/RunLoopTestSupport.h"
#include "platform/foundation/Timer.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace platform {
namespace {

using RunLoopFramesTest = testsupport::ManualRunLoopTest;

TEST_F(RunLoopFramesTest, ATurnSaysWhetherItRanABlockATimerOrAnEvent)
{
    struct Case {
        const char* name;
        std::function<void(RunLoop&, ManualClock&)> arrange;
        RunLoopTurn expected;
    };
    const std::vector<Case> cases = {
        {"idle", [](RunLoop&, ManualClock&) {}, {}},
        {"queued block", [](RunLoop&, ManualClock&) { DispatchQueue::main().async([] {}); }, {true, false, false}},
        {"timer not yet due", [](RunLoop&, ManualClock& clock) {
             Timer::scheduledTimer(0.5, false, [](Timer&) {});
             clock.advance(0.49);
         }, {}},
        {"timer due", [](RunLoop&, ManualClock& clock) {
             Timer::scheduledTimer(0.5, false, [](Timer&) {});
             clock.advance(0.5);
         }, {false, true, false}},
        {"event delivered between turns", [](RunLoop& loop, ManualClock&) { loop.noteEventHandled(); },
         {false, false, true}},
        {"event delivered by a block", [](RunLoop&, ManualClock&) {
             DispatchQueue::main().async([] { RunLoop::main().noteEventHandled(); });
         }, {true, false, true}},
        {"block and timer", [](RunLoop&, ManualClock& clock) {
             Timer::scheduledTimer(1, false, [](Timer&) {});
             DispatchQueue::main().async([] {});
             clock.advance(1);
         }, {true, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loop().reset();
        c.arrange(loop(), clock());
        RunLoopTurn turn = loop().runOnce();
        EXPECT_EQ(turn, c.expected);
        EXPECT_EQ(turn.frameDue(), !(c.expected == RunLoopTurn{}));
        // The work is done: the next turn has nothing to report.
        EXPECT_FALSE(loop().runOnce().frameDue());
    }
}

TEST_F(RunLoopFramesTest, DisplayPassesJoinLeaveAndRunFromASnapshot)
{
    std::vector<std::string> log;
    RunLoop::DisplayPassToken victim = 0;
    RunLoop::DisplayPassToken late = 0;
    auto ui = loop().addDisplayPass([&] { log.push_back("ui"); });
    auto host = loop().addDisplayPass([&] {
        log.push_back("host");
        // While the passes run: a pass removed does not run in this turn, a pass added waits for
        // the next one.
        if (late == 0) {
            loop().removeDisplayPass(victim);
            late = loop().addDisplayPass([&] { log.push_back("late"); });
        }
    });
    victim = loop().addDisplayPass([&] { log.push_back("victim"); });
    EXPECT_EQ(loop().displayPassCount(), 3u);

    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"ui", "host"}));
    log.clear();
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"ui", "host", "late"}));

    log.clear();
    loop().removeDisplayPass(ui);
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"host", "late"}));
    EXPECT_FALSE(loop().hasDisplayPass(ui));
    EXPECT_TRUE(loop().hasDisplayPass(host));

    // Tokens are never 0 and never reused; an empty pass is refused with token 0.
    EXPECT_NE(ui, 0u);
    EXPECT_GT(late, victim);
    DebugLogCapture captured;
    EXPECT_EQ(loop().addDisplayPass({}), 0u);
    EXPECT_EQ(captured.lines().size(), 1u);
    loop().removeDisplayPass(0);
    EXPECT_EQ(loop().displayPassCount(), 2u);

    loop().reset();
    EXPECT_EQ(loop().displayPassCount(), 0u);
}

} // namespace
} // namespace platform
