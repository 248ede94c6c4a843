#include "ViewTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/CABasicAnimation.h"
#include "platform/ui/UIView.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;

class AnimationTest : public testsupport::ViewTest {};

TEST_F(AnimationTest, ValuesChangeAtOnceAndCompletionRunsAtDelayPlusDuration)
{
    auto view = NSObject::create<UIView>(CGRect(0, 0, 10, 10));
    auto untouched = NSObject::create<UIView>();
    std::vector<std::pair<double, bool>> completions;
    UIView::animate(
        0.3, 0.2, UIViewAnimationOptions::curveEaseOut,
        [&] {
            view->setAlpha(0.5);
            view->setCenter({100, 100});
            view->setTransform(CGAffineTransform::makeRotation(40.0));
            untouched->setTag(3); // not animatable
        },
        [&](bool finished) { completions.emplace_back(now(), finished); });
    EXPECT_EQ(view->alpha(), 0.5);
    EXPECT_EQ(view->center(), (CGPoint{100, 100}));
    EXPECT_EQ(UIView::pendingAnimationCount(), 1u);

    ASSERT_EQ(UIView::animationLog().size(), 1u);
    const auto& record = UIView::animationLog().back();
    EXPECT_EQ(record.duration, 0.3);
    EXPECT_EQ(record.delay, 0.2);
    EXPECT_EQ(record.options, UIViewAnimationOptions::curveEaseOut);
    EXPECT_TRUE(record.hasCompletion);
    ASSERT_EQ(record.views.size(), 1u); // touched once, listed once
    EXPECT_TRUE(record.touched(view));
    EXPECT_FALSE(record.touched(untouched));

    loop().advanceBy(0.49);
    EXPECT_TRUE(completions.empty());
    loop().advanceBy(0.01);
    ASSERT_EQ(completions.size(), 1u);
    EXPECT_NEAR(completions[0].first, 0.5, 1e-12);
    EXPECT_TRUE(completions[0].second);
    EXPECT_EQ(UIView::animationLog().back().finished, std::optional<bool>(true));
    EXPECT_EQ(UIView::pendingAnimationCount(), 0u);

    // Zero and nonsense durations complete in the next turn; the short form has no delay.
    completions.clear();
    UIView::animate(-1, nullptr, [&](bool finished) { completions.emplace_back(now(), finished); });
    UIView::animate(
        std::numeric_limits<double>::quiet_NaN(), [] {}, nullptr);
    EXPECT_EQ(UIView::animationLog().back().duration, 0.0);
    EXPECT_TRUE(completions.empty());
    loop().runOnce();
    ASSERT_EQ(completions.size(), 1u);
    EXPECT_TRUE(completions[0].second);
}

TEST_F(AnimationTest, NestedBlocksAndPerformWithoutAnimationAttributeChangesCorrectly)
{
    auto outer = NSObject::create<UIView>();
    auto inner = NSObject::create<UIView>();
    auto quiet = NSObject::create<UIView>();
    UIView::animate(1, [&] {
        outer->setAlpha(0.2);
        UIView::animate(2, [&] { inner->setFrame({1, 1, 1, 1}); });
        UIView::performWithoutAnimation([&] { quiet->setAlpha(0.1); });
        EXPECT_TRUE(UIView::isInAnimationBlock());
    });
    EXPECT_FALSE(UIView::isInAnimationBlock());
    const auto& log = UIView::animationLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].duration, 1.0);
    EXPECT_TRUE(log[0].touched(outer));
    EXPECT_FALSE(log[0].touched(inner));
    EXPECT_FALSE(log[0].touched(quiet));
    EXPECT_TRUE(log[1].touched(inner));
    EXPECT_EQ(quiet->alpha(), 0.1);
    EXPECT_TRUE(UIView::areAnimationsEnabled());
}

TEST_F(AnimationTest, ViewLeavingItsWindowFinishesItsAnimationsUnfinished)
{
    auto window = NSObject::create<TestWindowView>();
    auto banner = NSObject::create<UIView>(CGRect(0, 0, 100, 40));
    auto stay = NSObject::create<UIView>();
    window->addSubview(banner);
    window->addSubview(stay);
    std::vector<std::string> events;

    // The banner pattern: slide down; when done, slide back up after a pause; then remove.
    UIView::animate(
        1.0, 0, UIViewAnimationOptions::curveEaseOut,
        [&] {
            banner->setCenter({50, 60});
        },
        [&](bool finished) {
            events.push_back(std::string("down ") + (finished ? "finished" : "cut"));
            UIView::animate(
                1.0, 2.0, UIViewAnimationOptions::curveEaseIn,
                [&] {
                    banner->setCenter({50, 20});
                },
                [&](bool upFinished) {
                    events.push_back(std::string("up ") + (upFinished ? "finished" : "cut"));
                    banner->removeFromSuperview();
                });
        });
    std::optional<bool> other;
    UIView::animate(
        5, [&] { stay->setAlpha(0.5); }, [&](bool finished) { other = finished; });

    loop().advanceBy(1.0);
    EXPECT_EQ(events, (std::vector<std::string>{"down finished"}));
    loop().advanceBy(3.0);
    EXPECT_EQ(events, (std::vector<std::string>{"down finished", "up finished"}));
    EXPECT_EQ(banner->superview(), nullptr);

    // Removing a view (or an ancestor) from the window cuts its pending animations short, in the
    // next turn; animations of views that stay run on.
    auto holder = NSObject::create<UIView>();
    auto moving = NSObject::create<UIView>();
    window->addSubview(holder);
    holder->addSubview(moving);
    std::optional<bool> cut;
    double cutAt = -1;
    UIView::animate(
        10, [&] { moving->setAlpha(0.3); },
        [&](bool finished) {
            cut = finished;
            cutAt = now();
        });
    holder->removeFromSuperview();
    EXPECT_FALSE(cut.has_value());
    loop().runOnce();
    EXPECT_EQ(cut, std::optional<bool>(false));
    EXPECT_EQ(cutAt, now());
    EXPECT_EQ(UIView::animationLog().back().finished, std::optional<bool>(false));
    EXPECT_FALSE(other.has_value());
    loop().advanceBy(1.0);
    EXPECT_EQ(other, std::optional<bool>(true));

    // A view that was never in a window keeps its animation to the end.
    auto loose = NSObject::create<UIView>();
    auto looseChild = NSObject::create<UIView>();
    loose->addSubview(looseChild);
    std::optional<bool> looseFinished;
    UIView::animate(
        1, [&] { looseChild->setAlpha(0); }, [&](bool finished) { looseFinished = finished; });
    looseChild->removeFromSuperview();
    loop().advanceBy(1);
    EXPECT_EQ(looseFinished, std::optional<bool>(true));
}

class RecordingDelegate : public CAAnimationDelegate {
public:
    std::vector<std::string> events;
    std::function<double()> clock;
    void animationDidStart(CAAnimation& animation) override
    {
        events.push_back("start " + tag(animation) + " @" + std::to_string(clock()));
    }
    void animationDidStop(CAAnimation& animation, bool finished) override
    {
        events.push_back("stop " + tag(animation) + (finished ? " finished" : " cut") + " @" + std::to_string(clock()));
    }
    static std::string tag(CAAnimation& animation)
    {
        for (const char* key : {"fadeIn", "fadeOut", "spin"}) {
            if (auto value = animation.value(key); value && value->asString()) {
                return key;
            }
        }
        return "?";
    }
};

TEST_F(AnimationTest, LayerAnimationsReportStartAndStopOnTheClock)
{
    auto layer = CALayer::layer();
    auto delegate = std::make_shared<RecordingDelegate>();
    delegate->clock = [this] { return now(); };

    auto fade = CABasicAnimation::animation("opacity");
    fade->setFromValue(0.0);
    fade->setToValue(1.0);
    fade->setDuration(0.5);
    fade->setDelegate(delegate);
    fade->setValue("video", "fadeIn");
    layer->add(fade); // without a key
    EXPECT_TRUE(layer->animationKeys().empty());
    ASSERT_EQ(layer->allAnimations().size(), 1u);
    EXPECT_NE(layer->allAnimations()[0], fade); // the layer keeps a copy

    auto spin = CABasicAnimation::animation("transform.rotation");
    spin->setToValue(2 * M_PI);
    spin->setDuration(4.0);
    spin->setSpeed(3.0);
    spin->setRepeatCount(3.4028235e38);
    spin->setDelegate(delegate);
    spin->setValue("video", "spin");
    layer->add(spin, std::string("spin"));
    auto added = std::dynamic_pointer_cast<CABasicAnimation>(layer->animation("spin"));
    ASSERT_TRUE(added);
    EXPECT_TRUE(std::isinf(added->activeDuration()));
    EXPECT_EQ(added->keyPath(), "transform.rotation");

    EXPECT_TRUE(delegate->events.empty()); // never from inside add
    loop().runOnce();
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"start fadeIn @0.000000", "start spin @0.000000"}));
    loop().advanceBy(0.5);
    EXPECT_EQ(delegate->events.back(), "stop fadeIn finished @0.500000");
    EXPECT_EQ(layer->allAnimations().size(), 1u); // removed on completion

    // The endless spin runs until removed; removal reports it cut, in the next turn.
    loop().advanceBy(100);
    EXPECT_EQ(delegate->events.size(), 3u);
    layer->removeAnimation("spin");
    EXPECT_EQ(layer->animation("spin"), nullptr);
    EXPECT_EQ(delegate->events.size(), 3u);
    loop().runOnce();
    EXPECT_EQ(delegate->events.back(), "stop spin cut @100.500000");

    // Speed and repeat count set the active duration; a keyed add replaces the old one.
    auto pulse = CABasicAnimation::animation("opacity");
    pulse->setDuration(1.0);
    pulse->setRepeatCount(3);
    pulse->setSpeed(2.0);
    pulse->setValue("video", "fadeOut");
    pulse->setDelegate(delegate);
    EXPECT_EQ(pulse->activeDuration(), 1.5);
    layer->add(pulse, std::string("pulse"));
    layer->add(pulse, std::string("pulse"));
    EXPECT_EQ(layer->animationKeys(), (std::vector<std::string>{"pulse"}));
    delegate->events.clear();
    loop().advanceBy(1.5);
    EXPECT_EQ(delegate->events,
              (std::vector<std::string>{"start fadeOut @100.500000", "stop fadeOut cut @100.500000",
                                        "start fadeOut @100.500000", "stop fadeOut finished @102.000000"}));

    // A dead delegate is not called; a destroyed layer drops its timers.
    auto lonely = CALayer::layer();
    lonely->add(pulse, std::string("x"));
    std::size_t timers = loop().pendingTimerCount();
    EXPECT_GE(timers, 2u);
    lonely.reset();
    EXPECT_EQ(loop().pendingTimerCount(), timers - 2);
    delegate.reset();
    loop().advanceBy(5);

    DebugLogCapture capture;
    auto plain = NSObject::create<CAAnimation>();
    plain->setSpeed(0);
    plain->setDuration(-1);
    EXPECT_EQ(capture.lines().size(), 2u);
    EXPECT_EQ(plain->activeDuration(), 0.25);
}

} // namespace
} // namespace platform
