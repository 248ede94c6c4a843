#pragma once
// Puts the main run loop on a fresh manual clock for one test and leaves it clean afterwards.

#include "platform/foundation/ManualClock.h"
#include "platform/foundation/RunLoop.h"

#include <gtest/gtest.h>
#include <memory>

namespace platform::testsupport {

class ManualRunLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loop().reset();
        loop().setClock(m_clock);
    }
    void TearDown() override
    {
        loop().reset();
        loop().setClock(nullptr);
    }

    static RunLoop& loop() { return RunLoop::main(); }
    ManualClock& clock() { return *m_clock; }
    double now() const { return m_clock->now(); }

    std::shared_ptr<ManualClock> m_clock = std::make_shared<ManualClock>(0.0);
};

} // namespace platform::testsupport
