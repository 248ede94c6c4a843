// Navigation stacks: push and pop order on the clock, the bar and its items, content placement.
#include "ControllerTestSupport.h"

#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UINavigationItem.h"

using namespace platform;
using namespace platform::testsupport;

namespace {

using Log = std::vector<std::string>;

class NavigationControllerTest : public ControllerTest {};

// Records every push before passing it on, as a subclass that decorates pushed screens would.
class RecordingNavigationController : public UINavigationController {
public:
    using UINavigationController::UINavigationController;
    void pushViewController(const UIViewControllerPtr& controller, bool animated) override
    {
        pushes.push_back(controller);
        UINavigationController::pushViewController(controller, animated);
    }
    std::vector<UIViewControllerPtr> pushes;
};

class FocusView : public UIView {
public:
    using UIView::UIView;
    bool canBecomeFirstResponder() const override { return true; }
};

TEST_F(NavigationControllerTest, TheRootGoesThroughTheOverriddenPush)
{
    auto root = NSObject::create<UIViewController>();
    auto navigation = NSObject::create<RecordingNavigationController>(root);
    ASSERT_EQ(navigation->pushes.size(), 1u);
    EXPECT_EQ(navigation->pushes[0], root);
    EXPECT_EQ(navigation->viewControllers(), std::vector<UIViewControllerPtr>{root});
    EXPECT_EQ(navigation->topViewController(), root);
    EXPECT_EQ(navigation->visibleViewController(), root);
    EXPECT_EQ(root->navigationController(), navigation);
    EXPECT_EQ(root->parentViewController(), navigation);
    EXPECT_EQ(navigation->navigationBar()->topItem(), root->navigationItem());
    EXPECT_FALSE(root->isViewLoaded());

    auto plain = UINavigationController::create(root); // already in a container: refused
    EXPECT_TRUE(plain->viewControllers().empty());
}

TEST_F(NavigationControllerTest, PushAndPopCallBothScreensInOrder)
{
    auto a = recorder("A");
    auto navigation = UINavigationController::create(a);
    auto window = showInWindow(navigation);
    EXPECT_EQ(takeLog(), (Log{"A.loadView", "A.viewDidLoad", "A.viewWillAppear", "A.viewDidAppear"}));

    auto b = recorder("B");
    navigation->pushViewController(b, true);
    EXPECT_EQ(takeLog(), (Log{"B.loadView", "B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear"}));
    EXPECT_EQ(navigation->topViewController(), b);
    advance(0.29);
    EXPECT_TRUE(m_log->empty());
    advance(0.01);
    EXPECT_EQ(takeLog(), (Log{"A.viewDidDisappear", "B.viewDidAppear"}));
    EXPECT_EQ(a->viewIfLoaded()->superview(), nullptr);
    EXPECT_EQ(b->view()->window(), window);

    auto popped = navigation->popViewController(true);
    EXPECT_EQ(popped, b);
    EXPECT_EQ(navigation->viewControllers(), std::vector<UIViewControllerPtr>{a});
    EXPECT_EQ(takeLog(), (Log{"B.viewWillDisappear", "A.viewWillAppear"}));
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"B.viewDidDisappear", "A.viewDidAppear"}));
    EXPECT_EQ(b->parentViewController(), nullptr);
    EXPECT_EQ(b->viewIfLoaded()->superview(), nullptr);

    // Nothing is popped at the root.
    EXPECT_EQ(navigation->popViewController(true), nullptr);
    EXPECT_TRUE(m_log->empty());

    // Without animation the transition ends in the next turn.
    navigation->pushViewController(b, false);
    RunLoop::main().runOnce();
    EXPECT_EQ(takeLog(), (Log{"A.viewWillDisappear", "B.viewWillAppear", "A.viewDidDisappear", "B.viewDidAppear"}));
}

TEST_F(NavigationControllerTest, PushingDuringATransitionFinishesItFirst)
{
    auto a = recorder("A");
    auto navigation = UINavigationController::create(a);
    auto window = showInWindow(navigation);
    takeLog();
    navigation->pushViewController(recorder("B"), true);
    navigation->pushViewController(recorder("C"), true);
    advance(0.3);
    EXPECT_EQ(takeLog(), (Log{"B.loadView", "B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear",
                              "A.viewDidDisappear", "B.viewDidAppear", "C.loadView", "C.viewDidLoad",
                              "B.viewWillDisappear", "C.viewWillAppear", "B.viewDidDisappear", "C.viewDidAppear"}));
    EXPECT_EQ(navigation->viewControllers().size(), 3u);
}

TEST_F(NavigationControllerTest, ContentSitsBelowAnOpaqueBarOrUnderAHiddenOrTranslucentOne)
{
    auto root = NSObject::create<UIViewController>();
    auto navigation = UINavigationController::create(root);
    navigation->navigationBar()->setTranslucent(false);
    auto window = showInWindow(navigation);
    auto bar = navigation->navigationBar();
    EXPECT_EQ(bar->frame(), CGRect(0, 20, 375, 44));
    EXPECT_EQ(root->view()->frame(), CGRect(0, 64, 375, 603));
    EXPECT_EQ(root->safeAreaInsets(), UIEdgeInsets());

    navigation->setNavigationBarHidden(true, false);
    EXPECT_TRUE(navigation->isNavigationBarHidden());
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(root->view()->frame(), CGRect(0, 0, 375, 667));

    UIView::clearAnimationLog();
    navigation->setNavigationBarHidden(false, true);
    EXPECT_EQ(root->view()->frame(), CGRect(0, 64, 375, 603));
    ASSERT_EQ(UIView::animationLog().size(), 1u);
    EXPECT_DOUBLE_EQ(UIView::animationLog()[0].duration, 0.2);

    bar->setTranslucent(true);
    RunLoop::main().runOnce();
    EXPECT_EQ(root->view()->frame(), CGRect(0, 0, 375, 667));
    EXPECT_EQ(root->safeAreaInsets().top, 64);
    EXPECT_EQ(root->topLayoutGuideLength(), 64);

    // A screen pushed while the bar is hidden gets the whole view.
    navigation->setNavigationBarHidden(true);
    auto pushed = NSObject::create<UIViewController>();
    navigation->pushViewController(pushed, false);
    EXPECT_EQ(pushed->view()->frame(), CGRect(0, 0, 375, 667));
    EXPECT_EQ(pushed->safeAreaInsets(), UIEdgeInsets());
}

TEST_F(NavigationControllerTest, BarShowsTitleBackButtonAndItems)
{
    auto root = NSObject::create<UIViewController>();
    root->setTitle(std::string("Request"));
    auto navigation = UINavigationController::create(root);
    auto window = showInWindow(navigation);
    auto bar = navigation->navigationBar();
    EXPECT_EQ(bar->titleLabel()->text(), std::optional<std::string>("Request"));
    EXPECT_EQ(bar->backButton(), nullptr);

    auto details = NSObject::create<UIViewController>();
    details->setTitle(std::string("Details"));
    navigation->pushViewController(details, false);
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(bar->titleLabel()->text(), std::optional<std::string>("Details"));
    ASSERT_TRUE(bar->backButton());
    EXPECT_EQ(bar->backButton()->currentTitle(), std::optional<std::string>("Request"));

    // The back button pops through the bar's delegate, the navigation controller.
    tapView(bar->backButton());
    advance(0.3);
    EXPECT_EQ(navigation->topViewController(), root);
    EXPECT_EQ(bar->items().size(), 1u);

    // Left items replace the back button; fixed spaces shift their neighbours, also outwards.
    auto backView = NSObject::create<UIButton>(CGRect(0, 0, 40, 40));
    auto backItem = UIBarButtonItem::withCustomView(backView);
    backItem->setAccessibilityIdentifier(std::string("Back_Button"));
    backItem->setTintColor(UIColor::white());
    auto shareItem = UIBarButtonItem::withCustomView(NSObject::create<UIButton>(CGRect(0, 0, 40, 40)));
    navigation->pushViewController(details = NSObject::create<UIViewController>(), false);
    details->navigationItem()->setLeftBarButtonItems({UIBarButtonItem::fixedSpace(-10), backItem});
    details->navigationItem()->setRightBarButtonItems({UIBarButtonItem::fixedSpace(-10), shareItem});
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(bar->backButton(), nullptr);
    auto backSlot = bar->viewForItem(*backItem);
    ASSERT_TRUE(backSlot);
    EXPECT_EQ(backSlot->frame(), CGRect(6, 2, 40, 40));
    EXPECT_EQ(backSlot->accessibilityIdentifier(), std::optional<std::string>("Back_Button"));
    EXPECT_TRUE(isEqual(backView->tintColor(), UIColor::white()));
    ASSERT_TRUE(bar->viewForItem(*shareItem));
    EXPECT_EQ(bar->viewForItem(*shareItem)->frame(), CGRect(329, 2, 40, 40));

    // A title item gets a button that runs the item's action when tapped.
    int taps = 0;
    auto done = UIBarButtonItem::withTitle(std::string("Done"));
    done->setAction([&](const std::shared_ptr<void>&, UIBarButtonItem&) { ++taps; });
    details->navigationItem()->setRightBarButtonItem(done);
    RunLoop::main().runUntilIdle();
    tapView(bar->viewForItem(*done));
    EXPECT_EQ(taps, 1);
}

TEST_F(NavigationControllerTest, BarLookFollowsItsSettings)
{
    auto navigation = UINavigationController::create(NSObject::create<UIViewController>());
    auto window = showInWindow(navigation);
    auto bar = navigation->navigationBar();
    EXPECT_TRUE(bar->isTranslucent());
    EXPECT_TRUE(bar->showsShadowLine());

    bar->setBackgroundImage(UIImage::create(), UIBarPosition::any, UIBarMetrics::default_);
    bar->setShadowImage(UIImage::create());
    EXPECT_FALSE(bar->showsShadowLine());
    EXPECT_TRUE(bar->backgroundImage(UIBarPosition::topAttached)->isEmpty());

    auto red = UIColor::create(1, 0, 0);
    bar->setBarTintColor(red);
    EXPECT_TRUE(isEqual(bar->barTintColor(), red));
    auto font = UIFont::boldSystemFont(20);
    bar->setTitleTextAttributes(TextAttributes{{NSAttributedStringKey::foregroundColor, AttributeValue(red)},
                                               {NSAttributedStringKey::font, AttributeValue(font)}});
    navigation->topViewController()->setTitle(std::string("Pay"));
    EXPECT_TRUE(isEqual(bar->titleLabel()->textColor(), red));
    EXPECT_TRUE(isEqual(bar->titleLabel()->font(), font));
    EXPECT_EQ(bar->titleLabel()->text(), std::optional<std::string>("Pay"));
}

TEST_F(NavigationControllerTest, PoppingAScreenResignsItsFirstResponder)
{
    auto navigation = UINavigationController::create(NSObject::create<UIViewController>());
    auto window = showInWindow(navigation);
    auto editor = NSObject::create<UIViewController>();
    navigation->pushViewController(editor, false);
    RunLoop::main().runUntilIdle();
    auto field = NSObject::create<FocusView>(CGRect(0, 0, 100, 30));
    editor->view()->addSubview(field);
    ASSERT_TRUE(field->becomeFirstResponder());

    navigation->popViewController(true);
    EXPECT_FALSE(field->isFirstResponder());
    advance(0.3);
}

TEST_F(NavigationControllerTest, PoppedScreensAreReleased)
{
    auto navigation = UINavigationController::create(NSObject::create<UIViewController>());
    auto window = showInWindow(navigation);
    for (int cycle = 0; cycle < 1000; ++cycle) {
        std::weak_ptr<UIViewController> weakPushed;
        {
            auto pushed = NSObject::create<UIViewController>();
            pushed->navigationItem()->setRightBarButtonItem(UIBarButtonItem::withTitle(std::string("Go")));
            weakPushed = pushed;
            navigation->pushViewController(pushed, cycle % 2 == 0);
        }
        advance(0.3);
        navigation->popViewController(cycle % 3 == 0);
        advance(0.3);
        ASSERT_TRUE(weakPushed.expired()) << "cycle " << cycle;
    }
    EXPECT_EQ(navigation->viewControllers().size(), 1u);
    EXPECT_EQ(navigation->childViewControllers().size(), 1u);
}

} // namespace
