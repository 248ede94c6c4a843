#include "ControlTestSupport.h"

#include "platform/ui/UISwitch.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::renderView;
using testsupport::tap;

TEST(SwitchTest, KeepsItsSizeWhereverItIsPut)
{
    auto toggle = NSObject::create<UISwitch>(CGRect(10, 20, 100, 100));
    EXPECT_EQ(toggle->frame(), CGRect(10, 20, 51, 31));
    toggle->setFrame({5, 6, 7, 8});
    EXPECT_EQ(toggle->frame(), CGRect(5, 6, 51, 31));
    EXPECT_EQ(toggle->intrinsicContentSize(), (CGSize{51, 31}));
    EXPECT_EQ(toggle->sizeThatFits({0, 0}), (CGSize{51, 31}));
    EXPECT_FALSE(toggle->isOn());
}

TEST(SwitchTest, UserTapFlipsAndReportsOnceWhileCodeReportsNothing)
{
    auto root = NSObject::create<UIView>(CGRect(0, 0, 200, 100));
    auto toggle = NSObject::create<UISwitch>(CGRect(20, 20, 0, 0));
    root->addSubview(toggle);
    std::vector<bool> changes;
    int touchUps = 0;
    toggle->addAction([&](UIControl& sender) { changes.push_back(static_cast<UISwitch&>(sender).isOn()); },
                      UIControlEvents::valueChanged);
    toggle->addAction([&](UIControl&) { ++touchUps; }, UIControlEvents::touchUpInside);

    toggle->setOn(true, true);
    toggle->setOn(false);
    EXPECT_TRUE(changes.empty());

    tap(root, {40, 30});
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(changes, std::vector<bool>{true});
    EXPECT_EQ(touchUps, 1);
    tap(root, {40, 30});
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));

    // A finger lifted outside, a disabled switch, and one without interaction do not flip.
    {
        testsupport::Finger finger(root, {40, 30});
        finger.moveTo({150, 80});
        finger.lift();
    }
    toggle->setEnabled(false);
    tap(root, {40, 30});
    toggle->setEnabled(true);
    toggle->setUserInteractionEnabled(false);
    tap(root, {40, 30});
    EXPECT_FALSE(toggle->isOn());
    EXPECT_EQ(changes.size(), 2u);
}

TEST(SwitchTest, DrawsTrackInTheOnTintAndTheThumbAtItsSide)
{
    auto toggle = NSObject::create<UISwitch>();
    toggle->setOnTintColor(UIColor::blue());
    toggle->setThumbTintColor(UIColor::red());
    RGBA8 trackOff = renderView(toggle)->pixelAt(40, 4);
    auto onImage = [&] { return renderView(toggle); };
    EXPECT_GT(trackOff.b, 200); // light grey, not the on tint
    EXPECT_GT(trackOff.r, 200);
    // Off: the thumb sits on the left.
    EXPECT_EQ(renderView(toggle)->pixelAt(15, 15), (RGBA8{255, 0, 0, 255}));

    toggle->setOn(true);
    auto on = onImage();
    EXPECT_EQ(on->pixelAt(12, 15), (RGBA8{0, 0, 255, 255}));
    EXPECT_EQ(on->pixelAt(36, 15), (RGBA8{255, 0, 0, 255}));
}

} // namespace
} // namespace platform
