#include "DriverTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITapGestureRecognizer.h"
#include "platform/ui/UIViewController.h"
#include "platform/ui/UIWindow.h"

#include <gtest/gtest.h>

using namespace platform;
using driver_test::makeButton;
using driver_test::TapCounter;

TEST(DriverTaps, ReachOnlyWhatAPersonCouldTouch)
{
    auto root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    UIDriver driver(root);
    TapCounter plain, hidden, disabled, inert, covered, background;

    auto plainButton = makeButton({10, 10, 100, 40}, "Plain");
    auto hiddenButton = makeButton({10, 60, 100, 40}, "Hidden");
    hiddenButton->setHidden(true);
    auto disabledButton = makeButton({10, 110, 100, 40}, "Disabled");
    disabledButton->setEnabled(false);
    auto inertButton = makeButton({10, 160, 100, 40}, "Inert");
    inertButton->setUserInteractionEnabled(false);
    auto coveredButton = makeButton({10, 210, 100, 40}, "Covered");
    for (auto& button : {plainButton, hiddenButton, disabledButton, inertButton, coveredButton}) {
        root->addSubview(button);
    }
    root->addSubview(NSObject::create<UIView>(CGRect{0, 200, 200, 60})); // covers the last button
    plain.attach(*plainButton);
    hidden.attach(*hiddenButton);
    disabled.attach(*disabledButton);
    inert.attach(*inertButton);
    covered.attach(*coveredButton);
    auto recognizer = NSObject::create<UITapGestureRecognizer>();
    auto target = std::make_shared<int>(0);
    recognizer->addTargetAction(target,
                                [&](const std::shared_ptr<void>&, UIGestureRecognizer&) { ++background.count; });
    root->addGestureRecognizer(recognizer);

    DebugLogCapture log;
    EXPECT_TRUE(driver.tap("Plain"));
    EXPECT_EQ(plain.count, 1);
    EXPECT_EQ(background.count, 0); // an enabled control keeps its tap

    EXPECT_FALSE(driver.tap("Hidden"));
    EXPECT_TRUE(log.contains("not visible"));
    EXPECT_EQ(hidden.count, 0);
    EXPECT_EQ(background.count, 0); // no touch at all

    EXPECT_TRUE(driver.tap("Disabled")); // reached, but it does nothing
    EXPECT_EQ(disabled.count, 0);
    EXPECT_FALSE(driver.tap("Inert")); // the touch falls through to the root
    EXPECT_EQ(inert.count, 0);
    EXPECT_FALSE(driver.tap("Covered"));
    EXPECT_EQ(covered.count, 0);
    EXPECT_EQ(background.count, 3); // the disabled, inert and covered taps reached the root

    EXPECT_FALSE(driver.tap("Missing"));
    EXPECT_FALSE(driver.tap(UIViewPtr()));
    EXPECT_EQ(driver.tapAt({50, 30}), plainButton);
    EXPECT_EQ(plain.count, 2);
    auto loose = makeButton({10, 10, 100, 40}, "Loose"); // under no root: out of reach, no touch
    plain.attach(*loose);
    EXPECT_FALSE(driver.tap(loose));
    EXPECT_EQ(plain.count, 2);
}

TEST(DriverTaps, TapTheVisiblePartOfAClippedView)
{
    auto root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    UIDriver driver(root);
    auto clip = NSObject::create<UIView>(CGRect{0, 100, 375, 100});
    clip->setClipsToBounds(true);
    root->addSubview(clip);
    // Only the top 20 points of the button are inside the clipping view; its middle is not.
    auto button = makeButton({10, 80, 100, 100}, "Half");
    clip->addSubview(button);
    TapCounter counter;
    counter.attach(*button);
    EXPECT_TRUE(driver.tap(button));
    EXPECT_EQ(counter.count, 1);

    button->setFrame({10, 120, 100, 100}); // entirely below the clipping view
    DebugLogCapture log;
    EXPECT_FALSE(driver.tap(button));
    EXPECT_EQ(counter.count, 1);
}

TEST(DriverTaps, FindsByIdentifierAndByVisibleText)
{
    auto root = NSObject::create<UIView>(CGRect{0, 0, 375, 667});
    UIDriver driver(root);
    auto label = NSObject::create<UILabel>(CGRect{0, 0, 100, 20});
    label->setText("Total");
    label->setAccessibilityIdentifier("totalLabel");
    root->addSubview(label);
    auto hiddenLabel = NSObject::create<UILabel>(CGRect{0, 30, 100, 20});
    hiddenLabel->setText("Secret");
    hiddenLabel->setAccessibilityIdentifier("secret");
    hiddenLabel->setHidden(true);
    root->addSubview(hiddenLabel);
    auto button = makeButton({0, 60, 100, 40}, "Pay");
    root->addSubview(button);
    auto field = NSObject::create<UITextField>(CGRect{0, 110, 200, 30});
    field->setPlaceholder("Amount");
    root->addSubview(field);

    EXPECT_EQ(driver.find("totalLabel"), label);
    EXPECT_EQ(driver.find<UILabel>("totalLabel"), label);
    EXPECT_FALSE(driver.find<UIButton>("totalLabel"));
    EXPECT_EQ(driver.find("secret"), hiddenLabel); // identifiers find hidden views too
    EXPECT_FALSE(driver.findText("Secret"));       // but nobody can read them
    EXPECT_EQ(driver.findText("Total"), label);
    EXPECT_EQ(driver.findText("Pay"), button); // the button, not the label inside it
    EXPECT_EQ(driver.findText("Amount"), field);
    field->setText("12.50");
    EXPECT_FALSE(driver.findText("Amount"));
    EXPECT_EQ(driver.findText("12.50"), field);
    EXPECT_EQ(UIDriver::textOf(*button), "Pay");

    // Of two views with the same text, the one in front.
    auto front = NSObject::create<UILabel>(CGRect{0, 0, 100, 20});
    front->setText("Total");
    root->addSubview(front);
    EXPECT_EQ(driver.findText("Total"), front);
}

TEST(DriverTaps, WindowsReceiveTheTouchesThroughSendEvent)
{
    class CountingWindow : public UIWindow {
    public:
        void sendEvent(const std::shared_ptr<UIEvent>& event) override
        {
            ++events;
            UIWindow::sendEvent(event);
        }
        int events = 0;
    };
    UIDriver driver;
    auto window = NSObject::create<CountingWindow>();
    auto controller = NSObject::create<UIViewController>();
    window->setRootViewController(controller);
    window->makeKeyAndVisible();
    auto toggle = NSObject::create<UISwitch>(CGRect{100, 300, 51, 31});
    toggle->setAccessibilityIdentifier("tips");
    controller->view()->addSubview(toggle);
    TapCounter changes;
    changes.attach(*toggle, UIControlEvents::valueChanged);

    EXPECT_TRUE(driver.toggleSwitch("tips")); // found in the key window without a root
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(window->events, 2); // touch down and touch up

    toggle->setEnabled(false);
    EXPECT_FALSE(driver.toggleSwitch(toggle));
    EXPECT_TRUE(toggle->isOn());
    EXPECT_EQ(changes.count, 1);
    toggle->setEnabled(true);
    toggle->removeFromSuperview(); // in no window now: out of reach
    EXPECT_FALSE(driver.toggleSwitch(toggle));
    EXPECT_EQ(changes.count, 1);
}
