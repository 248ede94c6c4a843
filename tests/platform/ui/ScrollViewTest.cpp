#include "platform/foundation/DebugLog.h"
#include "platform/ui/NSLayoutAnchor.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/testing/TouchInjection.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIPanGestureRecognizer.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIWindow.h"
#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;
using testsupport::ViewTest;

class RecordingScrollDelegate : public UIScrollViewDelegate {
public:
    void scrollViewDidScroll(UIScrollView& scrollView) override { offsets.push_back(scrollView.contentOffset()); }
    void scrollViewWillBeginDragging(UIScrollView&) override { events.push_back("willBeginDragging"); }
    void scrollViewDidEndDragging(UIScrollView&, bool willDecelerate) override
    {
        events.push_back(willDecelerate ? "didEndDragging+decelerate" : "didEndDragging");
    }
    void scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) override
    {
        events.push_back("didEndScrollingAnimation");
        endOffsets.push_back(scrollView.contentOffset());
    }

    std::vector<CGPoint> offsets;
    std::vector<CGPoint> endOffsets;
    std::vector<std::string> events;
};

class ScrollViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_scrollView = NSObject::create<UIScrollView>(CGRect(0, 0, 320, 480));
        m_scrollView->setContentSize({320, 2000});
        m_delegate = std::make_shared<RecordingScrollDelegate>();
        m_scrollView->setDelegate(m_delegate);
    }

    // The scroll view as the content of a shown window, which takes screen touches.
    std::shared_ptr<UIWindow> showInWindow()
    {
        auto window = NSObject::create<UIWindow>();
        window->setRootViewController(NSObject::create<UIViewController>());
        window->rootViewController()->view()->addSubview(m_scrollView);
        window->makeKeyAndVisible();
        return window;
    }

    std::shared_ptr<UIScrollView> m_scrollView;
    std::shared_ptr<RecordingScrollDelegate> m_delegate;
};

TEST_F(ScrollViewTest, ContentOffsetIsTheBoundsOriginAndEveryChangeIsReported)
{
    auto window = NSObject::create<TestWindowView>(CGRect(0, 0, 320, 480));
    window->addSubview(m_scrollView);
    auto row = NSObject::create<UIView>(CGRect(0, 600, 320, 50));
    m_scrollView->addSubview(row);

    m_scrollView->setContentOffset({0, 150});
    EXPECT_EQ(m_scrollView->bounds().origin, (CGPoint{0, 150}));
    ASSERT_EQ(m_delegate->offsets.size(), 1u);
    EXPECT_EQ(m_delegate->offsets[0], (CGPoint{0, 150}));
    // Subviews keep their content coordinates and move on screen.
    EXPECT_EQ(row->frame().origin, (CGPoint{0, 600}));
    testsupport::expectPointNear(row->convert(CGPoint{0, 0}, window), {0, 450});

    // Setting the same offset again is no change.
    m_scrollView->setContentOffset({0, 150});
    EXPECT_EQ(m_delegate->offsets.size(), 1u);

    // A bounds change from outside that moves the origin is a scroll too; one that only resizes is not.
    m_scrollView->setBounds({0, 40, 320, 480});
    m_scrollView->setFrame({0, 0, 320, 400});
    ASSERT_EQ(m_delegate->offsets.size(), 2u);
    EXPECT_EQ(m_delegate->offsets[1], (CGPoint{0, 40}));
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 40}));

    // Offsets outside the scrollable range are allowed in code.
    m_scrollView->setContentOffset({0, -30});
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, -30}));
}

TEST_F(ScrollViewTest, AnimatedOffsetMovesOnTheClockAndEndsExactlyAtTheTarget)
{
    m_scrollView->setContentOffset({0, 300}, true);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 0}));
    EXPECT_TRUE(m_scrollView->isScrollAnimating());

    loop().advanceBy(UIScrollView::scrollAnimationDuration / 2);
    double halfway = m_scrollView->contentOffset().y;
    EXPECT_GT(halfway, 0);
    EXPECT_LT(halfway, 300);
    EXPECT_GT(m_delegate->offsets.size(), 3u);
    for (std::size_t i = 1; i < m_delegate->offsets.size(); ++i) {
        EXPECT_GT(m_delegate->offsets[i].y, m_delegate->offsets[i - 1].y);
    }
    EXPECT_TRUE(m_delegate->events.empty());

    loop().advanceBy(UIScrollView::scrollAnimationDuration / 2);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 300}));
    EXPECT_EQ(m_delegate->offsets.back(), (CGPoint{0, 300}));
    EXPECT_EQ(m_delegate->events, std::vector<std::string>{"didEndScrollingAnimation"});
    EXPECT_FALSE(m_scrollView->isScrollAnimating());
    EXPECT_EQ(loop().pendingTimerCount(), 0u);

    // A direct offset change stops a running animation where it is.
    m_scrollView->setContentOffset({0, 900}, true);
    loop().advanceBy(0.05);
    m_scrollView->setContentOffset({0, 10});
    loop().advanceBy(1);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 10}));
    EXPECT_EQ(m_delegate->events.size(), 1u);
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
}

TEST_F(ScrollViewTest, ScrollRectToVisibleMovesAsLittleAsNeededWithinTheRange)
{
    struct Case {
        const char* name;
        CGPoint start;
        UIEdgeInsets inset;
        CGRect rect;
        CGPoint expected;
    };
    const Case cases[] = {
        {"below: bottom edge aligned", {0, 0}, {}, {0, 600, 320, 50}, {0, 170}},
        {"above: top edge aligned", {0, 1000}, {}, {0, 300, 320, 50}, {0, 300}},
        {"already visible: no move", {0, 100}, {}, {0, 200, 320, 50}, {0, 100}},
        {"past the end: clamped", {0, 0}, {}, {0, 1990, 320, 40}, {0, 1520}},
        {"taller than the view: top aligned", {0, 0}, {}, {0, 700, 320, 600}, {0, 700}},
        {"keyboard inset keeps the row above it", {0, 0}, {0, 0, 216, 0}, {0, 400, 320, 70}, {0, 206}},
        {"top inset", {0, 500}, {64, 0, 0, 0}, {0, 480, 320, 40}, {0, 416}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_scrollView->setContentInset(c.inset);
        m_scrollView->setContentOffset(c.start);
        m_delegate->offsets.clear();
        m_scrollView->scrollRectToVisible(c.rect, false);
        EXPECT_EQ(m_scrollView->contentOffset(), c.expected);
        EXPECT_EQ(m_delegate->offsets.size(), c.start == c.expected ? 0u : 1u);
    }

    // Animated: the same target, reached on the clock.
    m_scrollView->setContentInset({});
    m_scrollView->setContentOffset({0, 0});
    m_scrollView->scrollRectToVisible({0, 600, 320, 50}, true);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 0}));
    loop().advanceBy(UIScrollView::scrollAnimationDuration);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 170}));
}

TEST_F(ScrollViewTest, UserDragFollowsTheFingerAndSettlesWithinTheRange)
{
    m_scrollView->setBounces(false);
    m_scrollView->userScroll({0, 5000});
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 1520}));
    EXPECT_EQ(m_delegate->events, (std::vector<std::string>{"willBeginDragging", "didEndDragging"}));

    // With bounces the content goes past the end, then springs back on the clock.
    m_delegate->events.clear();
    m_scrollView->setBounces(true);
    m_scrollView->userScroll({0, 100});
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 1620}));
    loop().advanceBy(UIScrollView::scrollAnimationDuration);
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 1520}));
    EXPECT_EQ(m_delegate->events,
              (std::vector<std::string>{"willBeginDragging", "didEndDragging+decelerate", "didEndScrollingAnimation"}));

    // Content as wide as the view does not move sideways; a disabled view does not move at all.
    m_scrollView->userScroll({80, -20});
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 1500}));
    m_scrollView->setScrollEnabled(false);
    m_delegate->events.clear();
    m_scrollView->userScroll({0, -500});
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 1500}));
    EXPECT_TRUE(m_delegate->events.empty());
}

TEST_F(ScrollViewTest, AFingerPastTheSlopTakesTheTouchFromTheControlAndDragsTheContent)
{
    auto window = showInWindow();
    auto control = NSObject::create<UIButton>(CGRect(10, 100, 100, 44));
    m_scrollView->addSubview(control);
    std::vector<std::string> fired;
    control->addAction([&](UIControl&) { fired.push_back("up"); }, UIControlEvents::touchUpInside);
    control->addAction([&](UIControl&) { fired.push_back("cancel"); }, UIControlEvents::touchCancel);
    using Texts = std::vector<std::string>;
    struct Case {
        const char* name;
        CGPoint to; // from (50, 120), on the control, in ten equal moves
        bool scrollEnabled;
        double offset;
        Texts fired, events; // the control's actions, the delegate's calls
    };
    const Case cases[] = {
        {"within the slop: a tap", {50, 112}, true, 0, {"up"}, {}},
        {"up: the content follows from where the slop was crossed", {50, 20}, true, 80, {"cancel"},
         {"willBeginDragging", "didEndDragging"}},
        {"down at the top edge: bounces", {50, 220}, true, -80, {"cancel"},
         {"willBeginDragging", "didEndDragging+decelerate"}},
        {"sideways where the content fits: the control keeps it", {100, 122}, true, 0, {"up"}, {}},
        {"scrolling disabled: the control keeps it", {50, 20}, false, 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_scrollView->setScrollEnabled(c.scrollEnabled);
        fired.clear();
        *m_delegate = RecordingScrollDelegate();
        injectDrag(window, {50, 120}, c.to, 10, now());
        EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, c.offset}));
        EXPECT_EQ(fired, c.fired);
        EXPECT_EQ(m_delegate->events, c.events);
        EXPECT_EQ(m_delegate->offsets.size(), c.events.empty() ? 0u : 8u); // one per move after the slop
        EXPECT_FALSE(m_scrollView->isDragging());
        loop().advanceBy(UIScrollView::scrollAnimationDuration);
        m_scrollView->setContentOffset({0, 0});
    }

    // A drag begun on a text field does not focus it, though the finger lifts on it.
    auto field = NSObject::create<UITextField>(CGRect(10, 200, 200, 44));
    m_scrollView->addSubview(field);
    m_scrollView->setScrollEnabled(true);
    injectDrag(window, {50, 222}, {50, 192}, 10, now());
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 18}));
    EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(ScrollViewTest, TheInnermostScrollViewThatCanMoveTakesTheDragAndOnlyTheFirstFingerDrags)
{
    auto window = showInWindow();
    auto inner = NSObject::create<UIScrollView>(CGRect(0, 100, 320, 200));
    m_scrollView->addSubview(inner);
    struct Case {
        const char* name;
        CGSize innerContent;
        CGPoint to; // from (160, 200), inside the inner view, in ten equal moves
        CGPoint innerOffset, outerOffset;
    };
    const Case cases[] = {
        {"both move up and down: the inner takes it", {320, 1000}, {160, 100}, {0, 80}, {0, 0}},
        {"the inner moves only sideways: the outer takes a vertical drag", {1000, 200}, {160, 100}, {0, 0}, {0, 80}},
        {"a sideways drag: the inner", {1000, 200}, {60, 200}, {80, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        inner->setContentSize(c.innerContent);
        injectDrag(window, {160, 200}, c.to, 10, now());
        EXPECT_EQ(inner->contentOffset(), c.innerOffset);
        EXPECT_EQ(m_scrollView->contentOffset(), c.outerOffset);
        inner->setContentOffset({0, 0});
        m_scrollView->setContentOffset({0, 0});
    }

    // A second finger neither drags nor ends the first one's drag when it lifts; a cancelled touch
    // ends the drag.
    inner->removeFromSuperview();
    *m_delegate = RecordingScrollDelegate();
    InjectedFinger first(window, {160, 300}, now());
    first.moveTo({160, 250}, now());
    InjectedFinger second(window, {100, 300}, now());
    second.moveTo({100, 100}, now());
    second.lift(now());
    first.moveTo({160, 150}, now());
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 100}));
    EXPECT_TRUE(m_scrollView->isDragging());
    first.cancel(now());
    EXPECT_FALSE(m_scrollView->isDragging());
    EXPECT_EQ(m_delegate->events, (std::vector<std::string>{"willBeginDragging", "didEndDragging"}));

    // Disabling the recognizer mid-drag ends the drag too.
    InjectedFinger third(window, {160, 300}, now());
    third.moveTo({160, 250}, now());
    ASSERT_TRUE(m_scrollView->isDragging());
    m_scrollView->panGestureRecognizer()->setEnabled(false);
    EXPECT_FALSE(m_scrollView->isDragging());
    third.moveTo({160, 150}, now());
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 100}));
}

TEST_F(ScrollViewTest, RejectsBadValuesAndHoldsItsDelegateWeakly)
{
    DebugLogCapture log;
    m_scrollView->setContentSize({-1, 100});
    m_scrollView->setContentOffset({std::nan(""), 0});
    m_scrollView->setContentInset({std::numeric_limits<double>::infinity(), 0, 0, 0});
    EXPECT_EQ(m_scrollView->contentSize(), (CGSize{320, 2000}));
    EXPECT_EQ(m_scrollView->contentOffset(), (CGPoint{0, 0}));
    EXPECT_EQ(m_scrollView->contentInset(), UIEdgeInsets{});
    EXPECT_EQ(log.lines().size(), 3u);

    std::weak_ptr<RecordingScrollDelegate> weakDelegate = m_delegate;
    m_delegate.reset();
    EXPECT_TRUE(weakDelegate.expired());
    m_scrollView->setContentOffset({0, 10});
    EXPECT_EQ(m_scrollView->delegate(), nullptr);

    // A scroll view that goes away mid-animation leaves no timer behind.
    m_scrollView->setContentOffset({0, 500}, true);
    std::weak_ptr<UIScrollView> weakScrollView = m_scrollView;
    m_scrollView.reset();
    EXPECT_TRUE(weakScrollView.expired());
    EXPECT_EQ(loop().pendingTimerCount(), 0u);
}

TEST_F(ScrollViewTest, ConstraintsToTheScrollViewPlaceContentInContentCoordinates)
{
    auto window = NSObject::create<TestWindowView>(CGRect(0, 0, 320, 480));
    window->addSubview(m_scrollView);
    auto row = NSObject::create<UIView>();
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_scrollView->addSubview(row);
    auto rowAnchors = anchors(row);
    auto scrollAnchors = anchors(m_scrollView);
    NSLayoutConstraint::activate({rowAnchors.top.constraintEqualTo(scrollAnchors.top, 700),
                                  rowAnchors.leading.constraintEqualTo(scrollAnchors.leading, 0),
                                  rowAnchors.width.constraintEqualToConstant(320),
                                  rowAnchors.height.constraintEqualToConstant(70)});
    window->layoutIfNeeded();
    testsupport::expectRectNear(row->frame(), {0, 700, 320, 70});

    m_scrollView->setContentOffset({0, 500});
    window->layoutIfNeeded();
    testsupport::expectRectNear(row->frame(), {0, 700, 320, 70});
    testsupport::expectPointNear(row->convert(CGPoint{0, 0}, window), {0, 200});
}

} // namespace
} // namespace platform
