#include "platform/ui/TargetAction.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITapGestureRecognizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

class OtherRecognizer : public UIGestureRecognizer {};

struct Receiver {
    std::vector<std::string>* log;
    void plain() { log->push_back("plain"); }
    void fromTap(UITapGestureRecognizer&) { log->push_back("tap"); }
    void fromButton(UIButton&) { log->push_back("button"); }
    void fromOther(OtherRecognizer&) { log->push_back("other"); }
    void fromSwitch(UISwitch&) { log->push_back("switch"); }
};

// Controls, recognizers and bar items share one list: weak targets, order of addition, pairs
// removed by an earlier action skipped, dead targets dropped.
TEST(TargetActionTest, EverySenderHoldsTargetsWeaklyAndRunsThemInOrder)
{
    std::vector<std::string> log;
    auto kept = std::make_shared<Receiver>(Receiver{&log});
    auto dropped = std::make_shared<Receiver>(Receiver{&log});

    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    recognizer->addTarget(kept, &Receiver::plain);
    recognizer->addTarget(kept, &Receiver::fromOther); // another sender class: skipped
    recognizer->addTargetAction(dropped, [&](const std::shared_ptr<void>&, UIGestureRecognizer& sender) {
        log.push_back("removes");
        sender.removeTarget(kept);
    });
    recognizer->addTarget(kept, &Receiver::fromTap);
    recognizer->setState(UIGestureRecognizerState::ended);
    EXPECT_EQ(log, (std::vector<std::string>{"plain", "removes"}));
    EXPECT_EQ(recognizer->targetCount(), 1u);
    dropped.reset();
    log.clear();
    recognizer->setState(UIGestureRecognizerState::possible);
    recognizer->setState(UIGestureRecognizerState::ended);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(recognizer->targetCount(), 0u);

    auto button = NSObject::create<UIButton>();
    button->addTarget(kept, &Receiver::fromButton, UIControlEvents::touchUpInside);
    button->addTarget(kept, &Receiver::fromSwitch, UIControlEvents::touchUpInside);
    button->addAction([&](UIControl&) { log.push_back("closure"); }, UIControlEvents::touchUpInside);
    button->sendActions(UIControlEvents::touchUpInside | UIControlEvents::touchDown);
    EXPECT_EQ(log, (std::vector<std::string>{"button", "closure"}));
    EXPECT_EQ(button->allTargets().size(), 1u);

    auto item = NSObject::create<UIBarButtonItem>();
    EXPECT_FALSE(item->userTap());
    item->setTargetAction(kept, &Receiver::plain);
    EXPECT_TRUE(item->userTap());
    item->setAction([&](const std::shared_ptr<void>& target, UIBarButtonItem&) { log.push_back(target ? "t" : "-"); });
    EXPECT_TRUE(item->userTap());
    kept.reset();
    EXPECT_FALSE(item->userTap()) << "the target died";
    item->setTarget({});
    EXPECT_TRUE(item->userTap()) << "no target: runs with none";
    EXPECT_EQ(log, (std::vector<std::string>{"button", "closure", "plain", "t", "-"}));
    EXPECT_EQ(button->actionCount(), 1u);
}

} // namespace
} // namespace platform
