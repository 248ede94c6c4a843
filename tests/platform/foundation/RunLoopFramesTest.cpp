// What a turn reports to a host that draws frames, and the display passes the UI and a host share.
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
    auto timerDueIn = [this](double left) {
        Timer::scheduledTimer(0.5, false, [](Timer&) {});
        clock().advance(0.5 - left);
    };
    const std::vector<std::tuple<const char*, std::function<void()>, RunLoopTurn>> cases = {
        {"idle", [] {}, {}},
        {"queued block", [] { DispatchQueue::main().async([] {}); }, {true, false, false}},
        {"timer not yet due", [&] { timerDueIn(0.01); }, {}},
        {"timer due", [&] { timerDueIn(0); }, {false, true, false}},
        {"event between turns", [] { RunLoop::main().noteEventHandled(); }, {false, false, true}},
        {"event from a block",
         [] { DispatchQueue::main().async([] { RunLoop::main().noteEventHandled(); }); },
         {true, false, true}},
    };
    for (const auto& [name, arrange, expected] : cases) {
        SCOPED_TRACE(name);
        loop().reset();
        arrange();
        RunLoopTurn turn = loop().runOnce();
        EXPECT_EQ(turn, expected);
        EXPECT_EQ(turn.frameDue(), !(expected == RunLoopTurn{}));
        EXPECT_FALSE(loop().runOnce().frameDue()); // the work is done
    }
}

TEST_F(RunLoopFramesTest, DisplayPassesRunFromASnapshot)
{
    std::vector<std::string> log;
    RunLoop::DisplayPassToken victim = 0;
    RunLoop::DisplayPassToken late = 0;
    auto ui = loop().addDisplayPass([&] { log.push_back("ui"); });
    loop().addDisplayPass([&] {
        log.push_back("host");
        // While the passes run, a pass removed does not run and a pass added waits for the next turn.
        if (late == 0) {
            loop().removeDisplayPass(victim);
            late = loop().addDisplayPass([&] { log.push_back("late"); });
        }
    });
    victim = loop().addDisplayPass([&] { log.push_back("victim"); });

    loop().runOnce();
    loop().removeDisplayPass(ui);
    loop().runOnce();
    EXPECT_EQ(log, (std::vector<std::string>{"ui", "host", "host", "late"}));
    EXPECT_EQ(loop().addDisplayPass({}), 0u);
    EXPECT_EQ(loop().displayPassCount(), 2u);
}

} // namespace
} // namespace platform
