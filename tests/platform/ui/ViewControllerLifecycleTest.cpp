// View loading, appearance order and modal presentation of view controllers on the manual clock.
#include "ControllerTestSupport.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UILayoutGuide.h"
#include "platform/ui/UINavigationItem.h"

using namespace platform;
using namespace platform::testsupport;

namespace {

using Log = std::vector<std::string>;

class ViewControllerLifecycleTest : public ControllerTest {};

TEST_F(ViewControllerLifecycleTest, ViewLoadsLazilyOnceAtScreenSize)
{
    UIScreen::main()->setBounds({0, 0, 320, 568});
    auto controller = recorder("A");
    EXPECT_FALSE(controller->isViewLoaded());
    EXPECT_EQ(controller->viewIfLoaded(), nullptr);
    EXPECT_TRUE(m_log->empty());

    auto view = controller->view();
    EXPECT_EQ(takeLog(), (Log{"A.loadView", "A.viewDidLoad"}));
    ASSERT_TRUE(view);
    EXPECT_TRUE(controller->isViewLoaded());
    EXPECT_EQ(view->frame(), CGRect(0, 0, 320, 568));
    EXPECT_EQ(view->owningController(), controller);
    EXPECT_EQ(view->nextResponder(), controller);

    EXPECT_EQ(controller->view(), view);
    controller->loadViewIfNeeded();
    EXPECT_TRUE(m_log->empty());
}

TEST_F(ViewControllerLifecycleTest, TitleIsMirroredIntoTheNavigationItemOnly)
{
    auto controller = NSObject::create<UIViewController>();
    EXPECT_FALSE(controller->title());
    controller->setTitle(std::string("Pay"));
    EXPECT_EQ(controller->navigationItem()->title(), std::optional<std::string>("Pay"));
    controller->navigationItem()->setTitle(std::string("Other"));
    EXPECT_EQ(controller->title(), std::optional<std::string>("Pay"));
    EXPECT_EQ(controller->navigationController(), nullptr);
    EXPECT_EQ(controller->preferredStatusBarStyle(), UIStatusBarStyle::default_);
    EXPECT_TRUE(controller->shouldAutorotate());
    EXPECT_EQ(controller->safeAreaInsets(), UIEdgeInsets());
    EXPECT_EQ(controller->bottomLayoutGuideLength(), 0);
}

TEST_F(ViewControllerLifecycleTest, BottomLayoutGuideHoldsViewsAboveTheBottomEdge)
{
    auto controller = NSObject::create<UIViewController>();
    auto window = showInWindow(controller);
    auto guide = controller->bottomLayoutGuide();
    EXPECT_EQ(controller->bottomLayoutGuide(), guide);
    EXPECT_EQ(guide->owningView(), controller->view());
    // A button whose bottom sits 64 points above the guide's top, as a screen pins its main button.
    auto button = NSObject::create<UIView>(CGRect(0, 0, 375, 50));
    button->setTranslatesAutoresizingMaskIntoConstraints(false);
    controller->view()->addSubview(button);
    using A = NSLayoutAttribute;
    NSLayoutConstraint::activate({
        NSLayoutConstraint::create(guide, A::top, NSLayoutRelation::equal, button, A::bottom, 1, 64),
        NSLayoutConstraint::create(button, A::leading, NSLayoutRelation::equal, controller->view(), A::leading),
        NSLayoutConstraint::create(button, A::trailing, NSLayoutRelation::equal, controller->view(), A::trailing),
        NSLayoutConstraint::create(button, A::height, NSLayoutRelation::equal, nullptr, A::notAnAttribute, 1, 50),
    });
    RunLoop::main().runOnce();
    EXPECT_EQ(guide->layoutFrame(), CGRect(0, 667, 375, 0));
    EXPECT_EQ(button->frame(), CGRect(0, 553, 375, 50));

    controller->setAdditionalSafeAreaInsets({0, 0, 34, 0});
    RunLoop::main().runOnce();
    EXPECT_EQ(guide->layoutFrame(), CGRect(0, 633, 375, 34));
    EXPECT_EQ(button->frame(), CGRect(0, 519, 375, 50));
    EXPECT_EQ(controller->topLayoutGuide()->owningView(), controller->view());
}

TEST_F(ViewControllerLifecycleTest, RootAppearsWhenItsWindowIsShownAfterALayoutPass)
{
    auto root = recorder("A");
    auto window = NSObject::create<UIWindow>();
    window->setRootViewController(root);
    EXPECT_EQ(takeLog(), (Log{"A.loadView", "A.viewDidLoad"}));

    window->makeKeyAndVisible();
    EXPECT_EQ(takeLog(), (Log{"A.viewWillAppear"}));
    EXPECT_FALSE(root->hasAppeared());
    RunLoop::main().runOnce();
    EXPECT_EQ(takeLog(), (Log{"A.viewDidAppear"}));
    EXPECT_GT(root->layoutCountAtDidAppear, 0);

    window->setHidden(true);
    EXPECT_EQ(takeLog(), (Log{"A.viewWillDisappear", "A.viewDidDisappear"}));
}

TEST_F(ViewControllerLifecycleTest, FullScreenPresentAndDismissOrderOnTheClock)
{
    auto presenter = recorder("A");
    auto window = showInWindow(presenter);
    takeLog();
    auto presented = recorder("B");
    int completions = 0;

    presenter->present(presented, true, [&] { ++completions; });
    EXPECT_EQ(takeLog(), (Log{"B.loadView", "B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear"}));
    EXPECT_EQ(presenter->presentedViewController(), presented);
    EXPECT_EQ(presented->presentingViewController(), presenter);
    EXPECT_TRUE(presented->isBeingPresented());
    // The presented view lies over everything in the window, full screen.
    auto view = presented->viewIfLoaded();
    EXPECT_EQ(view->window(), window);
    EXPECT_EQ(view->convert(view->bounds(), UIViewPtr()), window->bounds());
    EXPECT_EQ(window->hitTest({100, 100}, nullptr), view);

    advance(0.29);
    EXPECT_TRUE(m_log->empty());
    EXPECT_EQ(completions, 0);
    advance(0.01);
    EXPECT_EQ(takeLog(), (Log{"A.viewDidDisappear", "B.viewDidAppear"}));
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(presented->isBeingPresented());

    presented->dismiss(true, [&] { ++completions; });
    EXPECT_EQ(takeLog(), (Log{"B.viewWillDisappear", "A.viewWillAppear"}));
    EXPECT_TRUE(presented->isBeingDismissed());
    EXPECT_EQ(presenter->presentedViewController(), presented);
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"B.viewDidDisappear", "A.viewDidAppear"}));
    EXPECT_EQ(completions, 2);
    EXPECT_EQ(presenter->presentedViewController(), nullptr);
    EXPECT_EQ(presented->presentingViewController(), nullptr);
    EXPECT_EQ(view->window(), nullptr);
    EXPECT_EQ(window->subviews().size(), 1u);
}

TEST_F(ViewControllerLifecycleTest, UnanimatedTransitionsFinishInTheNextTurn)
{
    auto presenter = recorder("A");
    auto window = showInWindow(presenter);
    auto presented = recorder("B");
    bool done = false;
    presenter->present(presented, false, [&] { done = true; });
    EXPECT_FALSE(done);
    RunLoop::main().runOnce();
    EXPECT_TRUE(done);
    EXPECT_TRUE(presented->hasAppeared());

    done = false;
    presenter->dismiss(false, [&] { done = true; });
    RunLoop::main().runOnce();
    EXPECT_TRUE(done);
    EXPECT_FALSE(presented->isAppearingOrAppeared());
}

TEST_F(ViewControllerLifecycleTest, OverFullScreenLeavesThePresenterAlone)
{
    auto presenter = recorder("A");
    auto window = showInWindow(presenter);
    takeLog();
    auto overlay = recorder("B");
    overlay->setModalPresentationStyle(UIModalPresentationStyle::overFullScreen);
    presenter->present(overlay, true);
    advance(0.3);
    overlay->dismiss(true);
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"B.loadView", "B.viewDidLoad", "B.viewWillAppear", "B.viewDidAppear",
                              "B.viewWillDisappear", "B.viewDidDisappear"}));
    EXPECT_TRUE(presenter->hasAppeared());
}

TEST_F(ViewControllerLifecycleTest, ChildrenPresentFromTheirTopmostAncestor)
{
    auto root = NSObject::create<UIViewController>();
    auto child = NSObject::create<UIViewController>();
    root->addChildViewController(child);
    root->view()->addSubview(child->view());
    child->didMoveToParentViewController(root);
    auto window = showInWindow(root);

    auto presented = NSObject::create<UIViewController>();
    child->present(presented, false);
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(root->presentedViewController(), presented);
    EXPECT_EQ(child->presentedViewController(), presented);
    EXPECT_EQ(presented->presentingViewController(), root);

    // Dismissing from the child dismisses what its ancestor presents.
    child->dismiss(false);
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(root->presentedViewController(), nullptr);
}

TEST_F(ViewControllerLifecycleTest, MisusedPresentationsAreLoggedAndIgnored)
{
    auto presenter = NSObject::create<UIViewController>();
    auto first = NSObject::create<UIViewController>();
    bool called = false;
    DebugLogCapture capture;

    presenter->present(first, false, [&] { called = true; }); // not in a window
    EXPECT_EQ(presenter->presentedViewController(), nullptr);

    auto window = showInWindow(presenter);
    presenter->present(nullptr, false);
    presenter->present(presenter, false);
    presenter->present(first, false);
    presenter->present(NSObject::create<UIViewController>(), false, [&] { called = true; }); // already presenting
    first->present(presenter, false);                                                        // its own presenter
    RunLoop::main().runUntilIdle();
    EXPECT_FALSE(called);
    EXPECT_EQ(presenter->presentedViewController(), first);
    EXPECT_EQ(first->presentedViewController(), nullptr);
    EXPECT_GE(capture.lines().size(), 4u);

    // A controller on its way out presents nothing, and its dismissal leaves only the root.
    presenter->dismiss(true);
    capture.clear();
    first->present(NSObject::create<UIViewController>(), false, [&] { called = true; });
    EXPECT_EQ(first->presentedViewController(), nullptr);
    EXPECT_TRUE(capture.contains("is being dismissed"));
    advance(0.3);
    EXPECT_FALSE(called);
    EXPECT_EQ(window->subviews().size(), 1u);

    // Nothing to dismiss: the completion still runs, in the next turn.
    auto loose = NSObject::create<UIViewController>();
    loose->dismiss(false, [&] { called = true; });
    EXPECT_FALSE(called);
    RunLoop::main().runOnce();
    EXPECT_TRUE(called);
}

TEST_F(ViewControllerLifecycleTest, DismissingALowerControllerTakesDownTheWholeChainTopFirst)
{
    auto a = recorder("A");
    auto window = showInWindow(a);
    auto b = recorder("B");
    auto c = recorder("C");
    a->present(b, false);
    RunLoop::main().runUntilIdle();
    b->present(c, false);
    RunLoop::main().runUntilIdle();
    takeLog();
    EXPECT_EQ(window->topmostViewController(), c);

    bool done = false;
    a->dismiss(true, [&] { done = true; });
    // B is covered by C, so only C leaves the screen (at once) and A comes back.
    EXPECT_EQ(takeLog(), (Log{"C.viewWillDisappear", "C.viewDidDisappear", "A.viewWillAppear"}));
    EXPECT_EQ(c->presentingViewController(), nullptr);
    EXPECT_EQ(b->presentedViewController(), nullptr);
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"A.viewDidAppear"}));
    EXPECT_EQ(b->presentingViewController(), nullptr);
    EXPECT_TRUE(done);
    EXPECT_EQ(window->topmostViewController(), a);
    EXPECT_EQ(window->subviews().size(), 1u);

    // C, still sliding in, presents D when its presentation ends, which the take-down completes.
    a->present(b, false);
    RunLoop::main().runUntilIdle();
    auto d = recorder("D");
    b->present(c, true, [c, d] { c->present(d, false); });
    a->dismiss(true);
    advance(0.3);
    EXPECT_EQ(c->presentedViewController(), nullptr);
    EXPECT_EQ(window->subviews().size(), 1u);
}

TEST_F(ViewControllerLifecycleTest, StackedPresentationsComeDownOneAtATimeTopFirst)
{
    // A sheet presented from a screen inside a container, an alert presented from the sheet: each
    // knows its presenter, and dismissing the top one after another (remembering the presenter
    // first, as a tear-down walk does) reaches the root with every completion run.
    auto screen = recorder("screen");
    auto root = recorder("root");
    root->addChildViewController(screen);
    root->view()->addSubview(screen->view());
    screen->didMoveToParentViewController(root);
    auto window = showInWindow(root);
    auto sheet = recorder("sheet");
    sheet->setModalPresentationStyle(UIModalPresentationStyle::popover);
    screen->present(sheet, true);
    advance(0.3);
    auto alert = recorder("alert");
    alert->setModalPresentationStyle(UIModalPresentationStyle::overFullScreen);
    sheet->present(alert, true);
    advance(0.3);
    EXPECT_EQ(sheet->presentingViewController(), root);
    EXPECT_EQ(screen->presentedViewController(), sheet);
    EXPECT_EQ(alert->presentingViewController(), sheet);
    EXPECT_EQ(window->topmostViewController(), alert);
    takeLog();

    Log walk;
    std::function<void(UIViewControllerPtr)> dismissDownFrom = [&](UIViewControllerPtr top) {
        if (top == window->rootViewController()) {
            walk.push_back("root reached");
            return;
        }
        auto below = top->presentingViewController();
        top->dismiss(true, [&, below] { dismissDownFrom(below); });
    };
    dismissDownFrom(window->topmostViewController());
    advance(0.3);
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"alert.viewWillDisappear", "alert.viewDidDisappear", "sheet.viewWillDisappear",
                              "sheet.viewDidDisappear"}));
    EXPECT_EQ(walk, Log{"root reached"});
    EXPECT_EQ(window->subviews().size(), 1u);
}

TEST_F(ViewControllerLifecycleTest, DismissWhilePresentingFinishesThePresentationFirst)
{
    auto a = recorder("A");
    auto window = showInWindow(a);
    auto b = recorder("B");
    takeLog();
    std::vector<std::string> order;
    a->present(b, true, [&] { order.push_back("presented"); });
    a->dismiss(true, [&] { order.push_back("dismissed"); });
    advance(0.3);
    EXPECT_EQ(order, (Log{"presented", "dismissed"}));
    EXPECT_EQ(takeLog(), (Log{"B.loadView", "B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear",
                              "A.viewDidDisappear", "B.viewDidAppear", "B.viewWillDisappear", "A.viewWillAppear",
                              "B.viewDidDisappear", "A.viewDidAppear"}));
}

TEST_F(ViewControllerLifecycleTest, PresentedControllersAreReleasedAfterDismissal)
{
    auto presenter = NSObject::create<UIViewController>();
    auto window = showInWindow(presenter);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        std::weak_ptr<UIViewController> weakPresented;
        {
            auto presented = NSObject::create<UIViewController>();
            weakPresented = presented;
            presenter->present(presented, cycle % 2 == 0, [presented] {});
        }
        advance(0.3);
        presenter->dismiss(cycle % 3 == 0);
        advance(0.3);
        ASSERT_TRUE(weakPresented.expired()) << "cycle " << cycle;
    }
    EXPECT_EQ(window->subviews().size(), 1u);
    EXPECT_EQ(RunLoop::main().pendingTimerCount(), 0u);
}

} // namespace
