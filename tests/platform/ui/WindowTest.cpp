// Windows and the application: key status, event delivery, root controllers, the status bar.
#include "ControllerTestSupport.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIButton.h"

#include <algorithm>

using namespace platform;
using namespace platform::testsupport;

namespace {

using Log = std::vector<std::string>;

class WindowTest : public ControllerTest {};

// A window that notes its key-status hooks and every event it is sent.
class ObservingWindow : public UIWindow {
public:
    using UIWindow::UIWindow;
    void becomeKeyWindow() override { log.push_back("becomeKey"); }
    void resignKeyWindow() override { log.push_back("resignKey"); }
    void sendEvent(const std::shared_ptr<UIEvent>& event) override
    {
        log.push_back("event");
        UIWindow::sendEvent(event);
    }
    Log log;
};

// A controller whose view has one button filling the screen's top-left 100 × 100 points.
class ButtonController : public UIViewController {
public:
    void viewDidLoad() override
    {
        button = NSObject::create<UIButton>(CGRect(0, 0, 100, 100));
        button->addAction([this](UIControl&) { ++taps; }, UIControlEvents::touchUpInside);
        view()->addSubview(button);
    }
    std::shared_ptr<UIButton> button;
    int taps = 0;
};

TEST_F(WindowTest, KeyStatusIsHandedToAnotherWindowAndBack)
{
    auto host = NSObject::create<ObservingWindow>();
    host->setRootViewController(NSObject::create<UIViewController>());
    auto overlay = NSObject::create<ObservingWindow>();
    auto app = UIApplication::shared();
    Log notifications;
    auto token = NotificationCenter::defaultCenter().addObserver(
        UIWindowDidBecomeKeyNotification,
        [&](const Notification& note) { notifications.push_back(note.object() == host ? "host" : "overlay"); });

    EXPECT_TRUE(host->isHidden());
    host->makeKeyAndVisible();
    EXPECT_FALSE(host->isHidden());
    EXPECT_EQ(app->keyWindow(), host);
    EXPECT_TRUE(host->isKeyWindow());

    overlay->setRootViewController(NSObject::create<UIViewController>());
    overlay->makeKeyAndVisible();
    EXPECT_EQ(app->keyWindow(), overlay);
    EXPECT_FALSE(host->isKeyWindow());
    EXPECT_FALSE(host->isHidden());
    EXPECT_EQ(host->log, (Log{"becomeKey", "resignKey"}));
    // The window shown last is in front.
    EXPECT_EQ(app->windows().back(), overlay);

    host->makeKeyAndVisible();
    EXPECT_EQ(app->keyWindow(), host);
    EXPECT_EQ(overlay->log, (Log{"becomeKey", "resignKey"}));
    EXPECT_EQ(notifications, (Log{"host", "overlay", "host"}));

    // Hiding the key window takes its key status away.
    host->setHidden(true);
    EXPECT_EQ(app->keyWindow(), nullptr);
    overlay.reset();
    EXPECT_EQ(app->windows().size(), 1u);
}

TEST_F(WindowTest, WindowsStackByLevelThenByShowing)
{
    auto alert = NSObject::create<UIWindow>();
    alert->setWindowLevel(UIWindowLevelAlert);
    auto first = NSObject::create<UIWindow>();
    auto second = NSObject::create<UIWindow>();
    alert->makeKeyAndVisible();
    second->makeKeyAndVisible();
    first->makeKeyAndVisible();
    auto windows = UIApplication::shared()->windows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0], second);
    EXPECT_EQ(windows[1], first);
    EXPECT_EQ(windows[2], alert);
}

TEST_F(WindowTest, RootViewFillsTheWindowThatCoversTheScreen)
{
    UIScreen::main()->setBounds({0, 0, 320, 568});
    auto window = NSObject::create<UIWindow>();
    EXPECT_EQ(window->frame(), CGRect(0, 0, 320, 568));
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->asWindow(), window);
    auto root = NSObject::create<UIViewController>();
    window->setRootViewController(root);
    EXPECT_EQ(root->view()->superview(), window);
    EXPECT_EQ(root->view()->frame(), window->bounds());
    EXPECT_EQ(root->view()->window(), window);

    window->setFrame({0, 0, 375, 667});
    EXPECT_EQ(root->view()->frame(), CGRect(0, 0, 375, 667));

    // A window made without a size covers the screen once shown.
    auto empty = NSObject::create<UIWindow>(CGRect());
    empty->makeKeyAndVisible();
    EXPECT_EQ(empty->frame(), CGRect(0, 0, 320, 568));
}

TEST_F(WindowTest, WindowsThatCoverTheScreenFollowItsNewBounds)
{
    auto covering = showInWindow(recorder("A"));
    auto inset = NSObject::create<UIWindow>(CGRect(0, 20, 375, 647));
    UIScreen::main()->setBounds({0, 0, 414, 736});
    EXPECT_EQ(covering->frame(), CGRect(0, 0, 414, 736));
    EXPECT_EQ(covering->rootViewController()->view()->frame(), CGRect(0, 0, 414, 736));
    EXPECT_EQ(inset->frame(), CGRect(0, 20, 375, 647));
}

TEST_F(WindowTest, ReplacingTheRootTakesDownItsPresentations)
{
    auto first = recorder("A");
    auto window = showInWindow(first);
    auto presented = recorder("P");
    first->present(presented, false);
    RunLoop::main().runUntilIdle();
    takeLog();

    auto second = recorder("B");
    window->setRootViewController(second);
    // A, covered by P, is not on screen any more: only P disappears.
    EXPECT_EQ(takeLog(),
              (Log{"P.viewWillDisappear", "P.viewDidDisappear", "B.loadView", "B.viewDidLoad", "B.viewWillAppear"}));
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(takeLog(), (Log{"B.viewDidAppear"}));
    EXPECT_EQ(first->presentedViewController(), nullptr);
    EXPECT_EQ(first->viewIfLoaded()->superview(), nullptr);
    ASSERT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(window->subviews()[0], second->view());

    window->setRootViewController(nullptr);
    EXPECT_TRUE(window->subviews().empty());
    EXPECT_EQ(window->topmostViewController(), nullptr);
}

// A handler run by the take-down of the old root's presentations sets a root of its own: the call
// that began the replacement wins, and the root set meanwhile leaves as a replaced root does.
TEST_F(WindowTest, ARootSetWhileTheOldRootIsTakenDownIsReplacedToo)
{
    for (bool nestedIsOuter : {false, true}) {
        SCOPED_TRACE(nestedIsOuter);
        auto window = showInWindow(recorder("A"));
        auto alert = recorder("P");
        window->rootViewController()->present(alert, false);
        RunLoop::main().runUntilIdle();
        auto outer = recorder("B");
        auto nested = nestedIsOuter ? outer : recorder("N");
        alert->dismiss(true, [&] { window->setRootViewController(nested); });
        takeLog();

        window->setRootViewController(outer);
        RunLoop::main().runUntilIdle();
        EXPECT_EQ(window->rootViewController(), outer);
        EXPECT_EQ(window->subviews(), std::vector<UIViewPtr>{outer->view()});
        const auto log = takeLog();
        const auto count = [&log](const std::string& entry) { return std::count(log.begin(), log.end(), entry); };
        EXPECT_EQ(count("A.viewDidDisappear"), 1);
        EXPECT_EQ(count("B.viewDidAppear"), 1);
        EXPECT_EQ(count("B.viewWillDisappear"), 0);
        EXPECT_EQ(count("N.viewDidDisappear"), nestedIsOuter ? 0 : 1);
    }
}

TEST_F(WindowTest, ASubclassSeesEveryEventAndTouchesReachControls)
{
    auto window = NSObject::create<ObservingWindow>();
    auto controller = NSObject::create<ButtonController>();
    window->setRootViewController(controller);
    window->makeKeyAndVisible();
    window->log.clear();

    tapAt({50, 50});
    EXPECT_EQ(controller->taps, 1);
    tapAt({200, 300}); // on the root view, not the button
    EXPECT_EQ(controller->taps, 1);
    EXPECT_EQ(window->log, (Log{"event", "event", "event", "event"}));
}

TEST_F(WindowTest, AWindowWithoutARootTakesNoEvents)
{
    auto host = NSObject::create<UIWindow>();
    auto hostController = NSObject::create<ButtonController>();
    host->setRootViewController(hostController);
    host->makeKeyAndVisible();

    auto empty = NSObject::create<ObservingWindow>();
    auto button = NSObject::create<UIButton>(CGRect(0, 0, 100, 100));
    int emptyTaps = 0;
    button->addAction([&](UIControl&) { ++emptyTaps; }, UIControlEvents::touchUpInside);
    empty->addSubview(button);
    empty->makeKeyAndVisible();
    empty->log.clear();

    // The front window has no root: the touches go to the host window below it.
    tapAt({50, 50});
    EXPECT_EQ(hostController->taps, 1);
    EXPECT_TRUE(empty->log.empty());

    // Even sent directly, it drops them.
    auto touch = NSObject::create<UITouch>();
    touch->setLocationInWindow({50, 50});
    auto event = NSObject::create<UIEvent>();
    event->addTouch(touch);
    empty->sendEvent(event);
    touch->setPhase(UITouchPhase::ended);
    empty->sendEvent(event);
    EXPECT_EQ(emptyTaps, 0);
}

TEST_F(WindowTest, StatusBarFrameAndStyle)
{
    auto app = UIApplication::shared();
    EXPECT_EQ(app->statusBarFrame(), CGRect(0, 0, 375, 20));
    app->setStatusBarHidden(true);
    EXPECT_TRUE(app->isStatusBarHidden());
    EXPECT_EQ(app->statusBarFrame(), CGRect::zero());
    app->setStatusBarHidden(false);

    class LightController : public UIViewController {
    public:
        UIStatusBarStyle preferredStatusBarStyle() const override { return UIStatusBarStyle::lightContent; }
    };
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyle::default_);
    auto window = showInWindow(NSObject::create<LightController>());
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyle::lightContent);
    // A full-screen presentation takes the status bar over; an overlay does not.
    auto overlay = NSObject::create<UIViewController>();
    overlay->setModalPresentationStyle(UIModalPresentationStyle::overFullScreen);
    window->rootViewController()->present(overlay, false);
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyle::lightContent);
    overlay->dismiss(false);
    RunLoop::main().runUntilIdle();
    window->rootViewController()->present(NSObject::create<UIViewController>(), false);
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyle::default_);
}

// Slides its content up from below the screen when shown, as a host's overlay window may.
class SlidingWindow : public UIWindow {
public:
    using UIWindow::UIWindow;
    void makeKeyAndVisible() override
    {
        UIWindow::makeKeyAndVisible();
        auto content = rootViewController() ? rootViewController()->view() : nullptr;
        if (!content) {
            return;
        }
        CGRect frame = content->frame();
        content->setFrame({0, frame.height(), frame.width(), frame.height()});
        UIView::animate(0.325, 0, UIViewAnimationOptions::curveEaseOut, [content, frame] {
            content->setFrame({0, 0, frame.width(), frame.height()});
        });
    }
};

TEST_F(WindowTest, ASubclassMayMoveTheRootViewAndLayoutKeepsIt)
{
    UIScreen::main()->setBounds({0, 0, 320, 568});
    auto window = NSObject::create<SlidingWindow>();
    auto root = recorder("A");
    window->setRootViewController(root);
    UIView::clearAnimationLog();
    window->makeKeyAndVisible();
    EXPECT_TRUE(window->isKeyWindow());
    ASSERT_EQ(UIView::animationLog().size(), 1u);
    EXPECT_DOUBLE_EQ(UIView::animationLog()[0].duration, 0.325);
    advance(0.325);
    EXPECT_EQ(root->view()->frame(), CGRect(0, 0, 320, 568));
    EXPECT_TRUE(root->hasAppeared());
    root->view()->setFrame({0, 100, 320, 568});
    window->setNeedsLayout();
    RunLoop::main().runOnce();
    EXPECT_EQ(root->view()->frame(), CGRect(0, 100, 320, 568));
}

TEST_F(WindowTest, TheRunLoopLaysOutVisibleWindows)
{
    auto root = recorder("A");
    auto window = showInWindow(root);
    int before = root->layoutCount;
    root->view()->setNeedsLayout();
    RunLoop::main().runOnce();
    EXPECT_EQ(root->layoutCount, before + 1);
}

} // namespace
