#include "ViewTestSupport.h"

#include "platform/ui/UIEvent.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "platform/ui/UITouch.h"
#include "platform/ui/UIView.h"

#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::TestWindowView;

TEST(HitTestTest, DeepestVisibleInteractiveViewWinsFrontToBack)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 200, 200));
    auto back = NSObject::create<UIView>(CGRect(0, 0, 100, 100));
    auto front = NSObject::create<UIView>(CGRect(50, 50, 100, 100));
    auto inner = NSObject::create<UIView>(CGRect(10, 10, 20, 20));
    auto outside = NSObject::create<UIView>(CGRect(90, 0, 50, 20)); // sticks out of `back`
    root->addSubview(back);
    root->addSubview(front);
    front->addSubview(inner);
    back->addSubview(outside);

    EXPECT_EQ(root->hitTest({10, 10}, nullptr), back);
    EXPECT_EQ(root->hitTest({60, 60}, nullptr), inner);  // front's child
    EXPECT_EQ(root->hitTest({55, 55}, nullptr), front);  // overlap: the later subview
    EXPECT_EQ(root->hitTest({95, 5}, nullptr), outside); // inside back's bounds
    EXPECT_EQ(root->hitTest({120, 5}, nullptr), root);   // outside back: not reachable
    EXPECT_EQ(root->hitTest({250, 5}, nullptr), nullptr);
    EXPECT_EQ(root->hitTest({200, 200}, nullptr), nullptr); // far edges are outside

    struct Case {
        const char* name;
        std::function<void()> change;
        std::function<void()> undo;
    };
    std::vector<Case> cases = {
        {"hidden", [&] { front->setHidden(true); }, [&] { front->setHidden(false); }},
        {"nearly transparent", [&] { front->setAlpha(0.009); }, [&] { front->setAlpha(1); }},
        {"interaction off", [&] { front->setUserInteractionEnabled(false); },
         [&] { front->setUserInteractionEnabled(true); }},
    };
    for (const auto& c : cases) {
        c.change();
        // The point falls through front and its child to what lies below.
        EXPECT_EQ(root->hitTest({60, 60}, nullptr), back) << c.name;
        EXPECT_EQ(root->hitTest({140, 140}, nullptr), root) << c.name;
        c.undo();
    }
    front->setAlpha(0.01);
    EXPECT_EQ(root->hitTest({60, 60}, nullptr), inner);

    // Points are converted through transforms and bounds origins.
    front->setAlpha(1);
    front->setBounds({10, 10, 100, 100});
    EXPECT_EQ(root->hitTest({55, 55}, nullptr), inner);
    front->setBounds({0, 0, 100, 100});
    front->setTransform(CGAffineTransform::makeScale(0.5, 0.5)); // now covers 75..125
    EXPECT_EQ(root->hitTest({60, 60}, nullptr), back);
    EXPECT_EQ(root->hitTest({81, 81}, nullptr), inner);
}

class TouchRecordingView : public UIView {
public:
    using UIView::UIView;
    std::vector<std::string> events;
    void touchesBegan(const UITouchList&, const std::shared_ptr<UIEvent>&) override { events.push_back("began"); }
    void touchesMoved(const UITouchList&, const std::shared_ptr<UIEvent>&) override { events.push_back("moved"); }
    void touchesEnded(const UITouchList&, const std::shared_ptr<UIEvent>&) override { events.push_back("ended"); }
    void touchesCancelled(const UITouchList&, const std::shared_ptr<UIEvent>&) override
    {
        events.push_back("cancelled");
    }
};

class TapTarget {
public:
    int taps = 0;
    CGPoint lastLocation;
    std::shared_ptr<UIView> locationView;
    void tapped(UITapGestureRecognizer& recognizer)
    {
        ++taps;
        lastLocation = recognizer.location(locationView);
    }
};

// One finger down at `down`, optionally moved, and lifted.
void tap(const std::shared_ptr<UIView>& window, CGPoint down, std::optional<CGPoint> moveTo = std::nullopt)
{
    auto touch = NSObject::create<UITouch>();
    auto event = NSObject::create<UIEvent>();
    event->addTouch(touch);
    touch->setLocationInWindow(down);
    touch->setPhase(UITouchPhase::began);
    dispatchTouchEvent(window, event);
    if (moveTo) {
        touch->setLocationInWindow(*moveTo);
        touch->setPhase(UITouchPhase::moved);
        dispatchTouchEvent(window, event);
    }
    touch->setPhase(UITouchPhase::ended);
    dispatchTouchEvent(window, event);
}

class RefusingControlView : public TouchRecordingView {
public:
    using TouchRecordingView::TouchRecordingView;
    bool allowsAncestorGestureRecognizer(const UIGestureRecognizer&) const override { return false; }
};

TEST(GestureTest, TapRecognizerRunsWeakTargetsAndTakesTouchesFromTheView)
{
    auto window = NSObject::create<TestWindowView>(CGRect(0, 0, 300, 300));
    auto panel = NSObject::create<TouchRecordingView>(CGRect(100, 100, 100, 100));
    auto button = NSObject::create<RefusingControlView>(CGRect(0, 0, 20, 20));
    window->addSubview(panel);
    panel->addSubview(button);
    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    panel->addGestureRecognizer(recognizer);
    EXPECT_EQ(recognizer->view(), panel);

    auto target = std::make_shared<TapTarget>();
    target->locationView = panel;
    recognizer->addTarget(target, &TapTarget::tapped);
    int plainCalls = 0;
    auto second = std::make_shared<int>(0);
    recognizer->addTargetAction(second, [&](const std::shared_ptr<void>&, UIGestureRecognizer&) { ++plainCalls; });

    tap(window, {150, 160});
    EXPECT_EQ(target->taps, 1);
    EXPECT_EQ(plainCalls, 1);
    EXPECT_EQ(target->lastLocation, (CGPoint{50, 60}));
    // The view saw the touch begin, then lost it to the recognizer.
    EXPECT_EQ(panel->events, (std::vector<std::string>{"began", "cancelled"}));
    EXPECT_EQ(recognizer->state(), UIGestureRecognizerState::possible);

    // Moving too far is no tap; the view then gets the whole sequence.
    panel->events.clear();
    tap(window, {150, 150}, CGPoint{180, 150});
    EXPECT_EQ(target->taps, 1);
    EXPECT_EQ(panel->events, (std::vector<std::string>{"began", "moved", "ended"}));

    // A control under the finger keeps the ancestor's tap from seeing its touches.
    tap(window, {105, 105});
    EXPECT_EQ(target->taps, 1);
    EXPECT_EQ(button->events, (std::vector<std::string>{"began", "ended"}));

    // Without cancelling, the view also gets its touches ended.
    recognizer->setCancelsTouchesInView(false);
    panel->events.clear();
    tap(window, {150, 150});
    EXPECT_EQ(target->taps, 2);
    EXPECT_EQ(panel->events, (std::vector<std::string>{"began", "ended"}));

    // A dead target is skipped; a disabled recognizer sees nothing.
    EXPECT_EQ(plainCalls, 2);
    second.reset();
    tap(window, {150, 150});
    EXPECT_EQ(plainCalls, 2);
    EXPECT_EQ(target->taps, 3);
    recognizer->setEnabled(false);
    tap(window, {150, 150});
    EXPECT_EQ(target->taps, 3);
    recognizer->setEnabled(true);
    recognizer->removeTarget(target);
    tap(window, {150, 150});
    EXPECT_EQ(target->taps, 3);

    panel->removeGestureRecognizer(recognizer);
    EXPECT_EQ(recognizer->view(), nullptr);
    EXPECT_TRUE(panel->gestureRecognizers().empty());
}

class DecliningView : public UIView {
public:
    using UIView::UIView;
    bool gestureRecognizerShouldBegin(UIGestureRecognizer&) override { return false; }
};

TEST(GestureTest, ViewCanKeepItsRecognizerFromBeginningAndTouchesOutsideHitNothing)
{
    auto window = NSObject::create<TestWindowView>(CGRect(0, 0, 100, 100));
    auto view = NSObject::create<DecliningView>(CGRect(0, 0, 50, 50));
    window->addSubview(view);
    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    view->addGestureRecognizer(recognizer);
    auto target = std::make_shared<TapTarget>();
    recognizer->addTarget(target, &TapTarget::tapped);
    tap(window, {10, 10});
    EXPECT_EQ(target->taps, 0);

    // Two taps required: the first lift does not recognise, a second tap (tap count 2) does.
    auto plain = NSObject::create<UIView>(CGRect(50, 50, 50, 50));
    window->addSubview(plain);
    auto doubleTap = NSObject::create<UITapGestureRecognizer>();
    doubleTap->setNumberOfTapsRequired(2);
    plain->addGestureRecognizer(doubleTap);
    doubleTap->addTarget(target, &TapTarget::tapped);
    auto touch = NSObject::create<UITouch>();
    auto event = NSObject::create<UIEvent>();
    event->addTouch(touch);
    for (int count = 1; count <= 2; ++count) {
        touch->setTapCount(count);
        touch->setLocationInWindow({60, 60});
        touch->setPhase(UITouchPhase::began);
        dispatchTouchEvent(window, event);
        touch->setPhase(UITouchPhase::ended);
        dispatchTouchEvent(window, event);
        EXPECT_EQ(target->taps, count - 1);
    }

    tap(window, {500, 500}); // hits nothing: dropped quietly
    EXPECT_EQ(target->taps, 1);
}

} // namespace
} // namespace platform
