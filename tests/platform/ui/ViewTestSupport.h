#pragma once
// Shared fixture for view tests: the main run loop on a fresh manual clock, no first responder, no
// pending animations; and a bare window-like root for tests that need "in a window".
#include "platform/foundation/ManualClock.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIResponder.h"
#include "platform/ui/UIView.h"

#include <gtest/gtest.h>
#include <memory>

namespace platform::testsupport {

// A root that counts as a window for the view tree (the real window class lives elsewhere).
class TestWindowView : public UIView {
public:
    using UIView::UIView;
    bool isWindow() const override { return true; }
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetState();
        RunLoop::main().setClock(m_clock);
    }
    void TearDown() override
    {
        resetState();
        RunLoop::main().setClock(nullptr);
    }

    static void resetState()
    {
        UIView::cancelAllAnimations();
        RunLoop::main().reset();
        UIView::clearAnimationLog();
        UIResponder::clearFirstResponder();
    }

    static RunLoop& loop() { return RunLoop::main(); }
    double now() const { return m_clock->now(); }

    std::shared_ptr<ManualClock> m_clock = std::make_shared<ManualClock>(0.0);
};

inline void expectRectNear(const CGRect& actual, const CGRect& expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.origin.x, expected.origin.x, tolerance);
    EXPECT_NEAR(actual.origin.y, expected.origin.y, tolerance);
    EXPECT_NEAR(actual.size.width, expected.size.width, tolerance);
    EXPECT_NEAR(actual.size.height, expected.size.height, tolerance);
}

inline void expectPointNear(CGPoint actual, CGPoint expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace platform::testsupport
