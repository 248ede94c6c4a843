#include "ControlTestSupport.h"

#include "platform/ui/UIControl.h"
#include "platform/ui/UITapGestureRecognizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

using testsupport::Finger;
using testsupport::tap;

struct Recorder : NSObject {
    std::vector<std::string>* log = nullptr;
    std::string name;
    void fired(UIControl&) { log->push_back(name); }
    void firedWithoutSender() { log->push_back(name + "()"); }
};

std::shared_ptr<Recorder> recorder(std::vector<std::string>& log, std::string name)
{
    auto r = NSObject::create<Recorder>();
    r->log = &log;
    r->name = std::move(name);
    return r;
}

TEST(ControlTest, TargetsAreCalledInOrderOfAdditionAndHeldWeakly)
{
    std::vector<std::string> log;
    auto control = NSObject::create<UIControl>(CGRect(0, 0, 50, 50));
    auto first = recorder(log, "first");
    auto second = recorder(log, "second");
    control->addTarget(first, &Recorder::fired, UIControlEvents::touchUpInside);
    control->addAction([&](UIControl&) { log.push_back("closure"); }, UIControlEvents::touchUpInside);
    control->addTarget(second, &Recorder::firedWithoutSender,
                       UIControlEvents::touchUpInside | UIControlEvents::valueChanged);
    control->addTarget(first, &Recorder::fired, UIControlEvents::valueChanged);

    control->sendActions(UIControlEvents::touchUpInside);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "closure", "second()"}));

    // A pair listening to both events runs once when both are sent together.
    log.clear();
    control->sendActions(UIControlEvents::touchUpInside | UIControlEvents::valueChanged);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "closure", "second()", "first"}));

    log.clear();
    control->sendActions(UIControlEvents::touchDown);
    EXPECT_TRUE(log.empty());

    // The control does not keep its targets alive; a destroyed target is skipped and forgotten.
    std::weak_ptr<Recorder> firstWatch = first;
    first.reset();
    EXPECT_TRUE(firstWatch.expired());
    control->sendActions(UIControlEvents::allEvents);
    EXPECT_EQ(log, (std::vector<std::string>{"closure", "second()"}));
    EXPECT_EQ(control->allTargets().size(), 1u);
    EXPECT_EQ(control->actionCount(UIControlEvents::valueChanged), 1u);

    // Removing events of one target keeps its other events.
    control->removeTarget(second, UIControlEvents::touchUpInside);
    log.clear();
    control->sendActions(UIControlEvents::allEvents);
    EXPECT_EQ(log, (std::vector<std::string>{"closure", "second()"}));
    log.clear();
    control->sendActions(UIControlEvents::touchUpInside);
    EXPECT_EQ(log, (std::vector<std::string>{"closure"}));
    EXPECT_EQ(control->allControlEvents(), UIControlEvents::touchUpInside | UIControlEvents::valueChanged);

    control->removeTarget(nullptr);
    EXPECT_EQ(control->actionCount(), 0u);
}

TEST(ControlTest, ActionsMayChangeTheControlWhileItSends)
{
    std::vector<std::string> log;
    auto control = NSObject::create<UIControl>(CGRect(0, 0, 50, 50));
    auto late = recorder(log, "late");
    control->addAction(
        [&, weak = std::weak_ptr<UIControl>(control)](UIControl&) {
            log.push_back("remover");
            if (auto c = weak.lock()) {
                c->removeTarget(late);
                c->addAction([&](UIControl&) { log.push_back("added during send"); }, UIControlEvents::touchUpInside);
            }
        },
        UIControlEvents::touchUpInside);
    control->addTarget(late, &Recorder::fired, UIControlEvents::touchUpInside);

    control->sendActions(UIControlEvents::touchUpInside);
    EXPECT_EQ(log, (std::vector<std::string>{"remover"})); // removed pair skipped, new one waits
    log.clear();
    control->sendActions(UIControlEvents::touchUpInside);
    EXPECT_EQ(log, (std::vector<std::string>{"remover", "added during send"}));

    // An action that drops the last reference to the control does not end the send early.
    std::shared_ptr<UIControl> holder = NSObject::create<UIControl>();
    std::weak_ptr<UIControl> watch = holder;
    int calls = 0;
    holder->addAction(
        [&](UIControl&) {
            holder.reset();
            ++calls;
        },
        UIControlEvents::valueChanged);
    holder->addAction([&](UIControl&) { ++calls; }, UIControlEvents::valueChanged);
    holder->sendActions(UIControlEvents::valueChanged);
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(watch.expired());
}

TEST(ControlTest, StateFlagsAndSettingThemInCodeSendsNothing)
{
    auto control = NSObject::create<UIControl>(CGRect(0, 0, 50, 50));
    int sent = 0;
    control->addAction([&](UIControl&) { ++sent; }, UIControlEvents::allEvents);

    EXPECT_EQ(control->state(), UIControlState::normal);
    control->setHighlighted(true);
    EXPECT_EQ(static_cast<unsigned>(control->state()), 1u);
    control->setEnabled(false);
    EXPECT_EQ(static_cast<unsigned>(control->state()), 3u);
    control->setSelected(true);
    EXPECT_EQ(control->state(), UIControlState::highlighted | UIControlState::disabled | UIControlState::selected);
    EXPECT_TRUE(contains(control->state(), UIControlState::selected));
    control->setHighlighted(false);
    control->setEnabled(true);
    EXPECT_EQ(control->state(), UIControlState::selected);
    EXPECT_EQ(sent, 0);
}

TEST(ControlTest, TouchesHighlightAndSendInsideOrOutside)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 200, 200));
    auto control = NSObject::create<UIControl>(CGRect(10, 10, 50, 50));
    root->addSubview(control);
    std::vector<std::string> log;
    auto note = [&](const char* name) { return [&log, name](UIControl&) { log.push_back(name); }; };
    control->addAction(note("down"), UIControlEvents::touchDown);
    control->addAction(note("upInside"), UIControlEvents::touchUpInside);
    control->addAction(note("upOutside"), UIControlEvents::touchUpOutside);
    control->addAction(note("cancel"), UIControlEvents::touchCancel);
    control->addAction(note("exit"), UIControlEvents::touchDragExit);
    control->addAction(note("enter"), UIControlEvents::touchDragEnter);

    {
        Finger finger(root, {20, 20});
        EXPECT_TRUE(control->isHighlighted());
        EXPECT_TRUE(control->isTracking());
        finger.lift();
    }
    EXPECT_FALSE(control->isHighlighted());
    EXPECT_EQ(log, (std::vector<std::string>{"down", "upInside"}));

    log.clear();
    {
        Finger finger(root, {20, 20});
        finger.moveTo({150, 150});
        EXPECT_FALSE(control->isHighlighted()); // the highlight follows the finger
        finger.moveTo({30, 30});
        EXPECT_TRUE(control->isHighlighted());
        finger.moveTo({150, 150});
        finger.lift();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"down", "exit", "enter", "exit", "upOutside"}));
    EXPECT_FALSE(control->isHighlighted());

    log.clear();
    {
        Finger finger(root, {20, 20});
        finger.cancel();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"down", "cancel"}));
    EXPECT_FALSE(control->isHighlighted());
    EXPECT_FALSE(control->isTracking());
}

TEST(ControlTest, DisabledControlLetsTapsThroughToAncestors)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 200, 200));
    auto control = NSObject::create<UIControl>(CGRect(10, 10, 50, 50));
    root->addSubview(control);
    int rootTaps = 0;
    int controlTaps = 0;
    struct TapTarget : NSObject {
        int* count = nullptr;
        void tapped() { ++*count; }
    };
    auto target = NSObject::create<TapTarget>();
    target->count = &rootTaps;
    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    recognizer->addTarget(target, &TapTarget::tapped);
    root->addGestureRecognizer(recognizer);
    control->addAction([&](UIControl&) { ++controlTaps; }, UIControlEvents::touchUpInside);

    // An enabled control keeps the tap: its action runs, the root's recognizer does not.
    tap(root, {20, 20});
    EXPECT_EQ(controlTaps, 1);
    EXPECT_EQ(rootTaps, 0);

    control->setEnabled(false);
    tap(root, {20, 20});
    EXPECT_EQ(controlTaps, 1);
    EXPECT_EQ(rootTaps, 1);
    EXPECT_FALSE(control->isHighlighted());

    // Elsewhere on the root the recognizer works as usual.
    tap(root, {150, 150});
    EXPECT_EQ(rootTaps, 2);
}

} // namespace
} // namespace platform
