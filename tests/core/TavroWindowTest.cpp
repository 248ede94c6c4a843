#include "TavroMerchantSDK/core/TavroWindow.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/testing/UIDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIViewAnimation.h"

#include <gtest/gtest.h>

using platform::CGRect;
using platform::NSObject;
using platform::UIView;
using tavro::TavroWindow;

namespace {

// Keeps every frame it is given.
class FrameRecordingView : public UIView {
public:
    using UIView::UIView;
    std::vector<CGRect> frames;
    void setFrame(const CGRect& frame) override
    {
        frames.push_back(frame);
        UIView::setFrame(frame);
    }
};

class RecordingController : public platform::UIViewController {
public:
    std::shared_ptr<FrameRecordingView> content = NSObject::create<FrameRecordingView>();
    void loadView() override { setView(content); }
};

} // namespace

TEST(TavroWindow, ContentSlidesUpWhenShownAndDownWhenHidden)
{
    platform::UIDriver driver;
    auto window = NSObject::create<TavroWindow>(CGRect(0, 0, 320, 568));
    auto controller = NSObject::create<RecordingController>();
    window->setRootViewController(controller);
    auto& frames = controller->content->frames;
    frames.clear();

    window->makeKeyAndVisible();
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_TRUE(platform::isEqual(window->backgroundColor(), platform::UIColor::clear()));
    EXPECT_EQ(frames, (std::vector<CGRect>{{0, 568, 320, 568}, {0, 0, 320, 568}}));
    const auto& show = UIView::animationLog().back();
    EXPECT_DOUBLE_EQ(show.duration, 0.325);
    EXPECT_TRUE(platform::contains(show.options, platform::UIViewAnimationOptions::curveEaseOut));
    driver.advanceBy(1);

    frames.clear();
    int completions = 0;
    window->hideRootWindowView([&] { ++completions; });
    EXPECT_EQ(frames, (std::vector<CGRect>{{0, 0, 320, 568}, {0, 568, 320, 568}}));
    driver.advanceBy(0.3);
    EXPECT_EQ(completions, 0);
    driver.advanceBy(0.03);
    EXPECT_EQ(completions, 1);
    driver.advanceBy(5);
    EXPECT_EQ(completions, 1);
}

TEST(TavroWindow, HidingAnEmptyWindowNeverCallsOnAndShowingItOnlyMakesItKey)
{
    platform::UIDriver driver;
    auto window = NSObject::create<TavroWindow>();
    std::size_t animations = UIView::animationLog().size();
    window->makeKeyAndVisible();
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(UIView::animationLog().size(), animations);
    bool called = false;
    window->hideRootWindowView([&] { called = true; });
    driver.advanceBy(5);
    EXPECT_FALSE(called);
}

TEST(TavroWindow, EveryDispatchedEventIsAnnounced)
{
    platform::UIDriver driver;
    auto window = NSObject::create<TavroWindow>();
    auto controller = NSObject::create<platform::UIViewController>();
    window->setRootViewController(controller);
    auto button = NSObject::create<platform::UIButton>(CGRect(20, 100, 100, 44));
    int taps = 0;
    button->addAction([&](platform::UIControl&) { ++taps; }, platform::UIControlEvents::touchUpInside);
    controller->view()->addSubview(button);
    window->makeKeyAndVisible();
    driver.advanceBy(1);

    int announcements = 0;
    auto token = platform::NotificationCenter::defaultCenter().addObserver(
        tavro::StringConstants::SESSION_TOUCH_EVENT_OCCURRED(), [&](const platform::Notification& note) {
            EXPECT_FALSE(note.object());
            ++announcements;
        });
    EXPECT_TRUE(driver.tap(button));
    EXPECT_EQ(taps, 1);          // dispatched as any window does
    EXPECT_EQ(announcements, 2); // finger down and finger up
}
