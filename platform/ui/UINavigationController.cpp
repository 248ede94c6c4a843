// The navigation controller's stack, bar and content layout.
#include "platform/ui/UINavigationController.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINavigationItem.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>

namespace platform {

namespace {

constexpr auto fillsSuperview = UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight;

double statusBarHeight()
{
    return UIApplication::shared()->statusBarFrame().height();
}

} // namespace

// The navigation controller's root view: places the bar and the screens on every layout pass, and
// takes no touches while a push or pop is under way, as a device drops them while screens slide.
class UINavigationControllerView : public UIView {
public:
    using UIView::UIView;
    std::weak_ptr<UINavigationController> owner;

    UIViewPtr hitTest(CGPoint point, const std::shared_ptr<UIEvent>& event) override
    {
        if (auto controller = owner.lock(); controller && controller->hasPendingTransition()) {
            return nullptr;
        }
        return UIView::hitTest(point, event);
    }

    void layoutSubviews() override
    {
        UIView::layoutSubviews();
        if (auto controller = owner.lock()) {
            controller->placeViews();
        }
    }
};

UINavigationController::UINavigationController(UIViewControllerPtr rootViewController)
    : m_pendingRoot(std::move(rootViewController))
{
}

UINavigationController::UINavigationController(std::optional<std::string> nibName, std::shared_ptr<Bundle> nibBundle)
    : UIViewController(std::move(nibName), std::move(nibBundle))
{
}

std::shared_ptr<UINavigationController> UINavigationController::create(const UIViewControllerPtr& rootViewController)
{
    return NSObject::create<UINavigationController>(rootViewController);
}

void UINavigationController::didCreate()
{
    UIViewController::didCreate();
    CGRect screen = UIScreen::main()->bounds();
    m_navigationBar =
        NSObject::create<UINavigationBar>(CGRect(0, statusBarHeight(), screen.width(), UINavigationBar::defaultHeight));
    m_navigationBar->setAutoresizingMask(UIViewAutoresizing::flexibleWidth);
    m_navigationBar->setDelegate(std::weak_ptr<UINavigationBarDelegate>(sharedFromThis<UINavigationController>()));
    if (auto root = std::move(m_pendingRoot)) {
        m_pendingRoot = nullptr;
        pushViewController(root, false);
    }
}

UIViewControllerPtr UINavigationController::topViewController() const
{
    return m_viewControllers.empty() ? nullptr : m_viewControllers.back();
}

UIViewControllerPtr UINavigationController::visibleViewController() const
{
    if (auto presented = presentedViewController()) {
        return presented;
    }
    return topViewController();
}

// --- views ---

void UINavigationController::loadView()
{
    auto view = NSObject::create<UINavigationControllerView>(UIScreen::main()->bounds());
    view->owner = sharedFromThis<UINavigationController>();
    setView(view);
    m_navigationBar->setHidden(m_navigationBarHidden);
    view->addSubview(m_navigationBar);
    installTopView();
}

CGRect UINavigationController::contentFrame() const
{
    auto view = viewIfLoaded();
    CGRect area = view ? view->bounds() : UIScreen::main()->bounds();
    if (m_navigationBarHidden || m_navigationBar->isTranslucent()) {
        return area;
    }
    CGFloat top = statusBarHeight() + UINavigationBar::defaultHeight;
    return {area.minX(), area.minY() + top, area.width(), std::max<CGFloat>(0, area.height() - top)};
}

void UINavigationController::updateSafeArea(UIViewController& controller) const
{
    UIEdgeInsets insets;
    if (!m_navigationBarHidden && m_navigationBar->isTranslucent()) {
        insets.top = statusBarHeight() + UINavigationBar::defaultHeight;
    }
    controller.setSafeAreaInsets(insets);
}

void UINavigationController::installTopView()
{
    auto top = topViewController();
    auto view = viewIfLoaded();
    if (!top || !view) {
        return;
    }
    auto topView = top->view();
    topView->setFrame(contentFrame());
    topView->setAutoresizingMask(fillsSuperview);
    if (topView->superview() != view) {
        view->insertSubviewBelow(topView, m_navigationBar);
    }
    updateSafeArea(*top);
}

void UINavigationController::placeViews()
{
    auto view = viewIfLoaded();
    if (!view) {
        return;
    }
    CGRect area = view->bounds();
    m_navigationBar->setFrame(
        {area.minX(), area.minY() + statusBarHeight(), area.width(), UINavigationBar::defaultHeight});
    m_navigationBar->setHidden(m_navigationBarHidden);
    CGRect content = contentFrame();
    for (const auto& controller : m_viewControllers) {
        auto controllerView = controller->viewIfLoaded();
        if (controllerView && controllerView->superview() == view) {
            controllerView->setFrame(content);
            updateSafeArea(*controller);
        }
    }
}

bool UINavigationController::isOnScreen() const
{
    auto view = viewIfLoaded();
    return view && view->windowView() && isAppearingOrAppeared();
}

void UINavigationController::setNavigationBarHidden(bool hidden, bool animated)
{
    if (m_navigationBarHidden == hidden) {
        return;
    }
    m_navigationBarHidden = hidden;
    m_navigationBar->setHidden(hidden);
    if (!viewIfLoaded()) {
        return;
    }
    if (animated) {
        std::weak_ptr<UINavigationController> weakSelf = sharedFromThis<UINavigationController>();
        UIView::animate(hideShowBarDuration, [weakSelf] {
            if (auto self = weakSelf.lock()) {
                self->placeViews();
            }
        });
    } else {
        placeViews();
    }
    viewIfLoaded()->setNeedsLayout();
}

// --- the stack ---

void UINavigationController::pushViewController(const UIViewControllerPtr& controller, bool animated)
{
    if (!controller) {
        debugLog("UINavigationController: ignoring a push of a null controller");
        return;
    }
    completePendingTransition();
    if (std::find(m_viewControllers.begin(), m_viewControllers.end(), controller) != m_viewControllers.end()) {
        debugLog("UINavigationController: " + controller->className() + " is already on the stack");
        return;
    }
    if (controller->parentViewController() || controller->presentingViewController() || controller.get() == this) {
        debugLog("UINavigationController: " + controller->className() + " is shown elsewhere and cannot be pushed");
        return;
    }
    auto self = sharedFromThis<UINavigationController>();
    auto from = topViewController();
    addChildViewController(controller);
    m_viewControllers.push_back(controller);
    m_navigationBar->pushNavigationItem(controller->navigationItem(), animated);

    auto view = viewIfLoaded();
    if (!view) {
        controller->didMoveToParentViewController(self);
        return;
    }
    installTopView();
    if (!isOnScreen()) {
        if (from && from->viewIfLoaded()) {
            from->viewIfLoaded()->removeFromSuperview();
        }
        controller->didMoveToParentViewController(self);
        return;
    }
    runStackTransition(from, controller, animated, StackChange::push);
}

UIViewControllerPtr UINavigationController::popViewController(bool animated)
{
    completePendingTransition();
    if (m_viewControllers.size() < 2) {
        return nullptr;
    }
    auto keepAlive = sharedFromThis<UINavigationController>();
    auto popped = m_viewControllers.back();
    m_viewControllers.pop_back();
    auto to = topViewController();
    popped->willMoveToParentViewController(nullptr);
    // The popped screen gives up the keyboard as it starts to leave.
    if (auto poppedView = popped->viewIfLoaded()) {
        poppedView->endEditing(true);
    }
    if (m_navigationBar->topItem() == popped->navigationItem()) {
        m_navigationBar->popNavigationItem(animated);
    }

    auto view = viewIfLoaded();
    if (!view) {
        popped->removeFromParentViewController();
        return popped;
    }
    installTopView();
    auto poppedView = popped->viewIfLoaded();
    if (poppedView && poppedView->superview() == view) {
        // The outgoing screen stays on top of the one it uncovers until the transition ends.
        view->insertSubviewBelow(poppedView, m_navigationBar);
    }
    if (!isOnScreen()) {
        if (poppedView) {
            poppedView->removeFromSuperview();
        }
        popped->removeFromParentViewController();
        return popped;
    }
    runStackTransition(popped, to, animated, StackChange::pop);
    return popped;
}

void UINavigationController::runStackTransition(const UIViewControllerPtr& outgoing,
                                                const UIViewControllerPtr& incoming, bool animated, StackChange change)
{
    if (outgoing) {
        outgoing->beginAppearanceTransition(false, animated);
    }
    incoming->beginAppearanceTransition(true, animated);
    std::weak_ptr<UINavigationController> weakSelf = sharedFromThis<UINavigationController>();
    std::weak_ptr<UIViewController> weakOutgoing = outgoing;
    std::weak_ptr<UIViewController> weakIncoming = incoming;
    scheduleTransition(animated ? transitionDuration : 0, [weakSelf, weakOutgoing, weakIncoming, change] {
        auto navigation = weakSelf.lock();
        auto leaving = weakOutgoing.lock();
        auto arriving = weakIncoming.lock();
        // The outgoing screen leaves the view once the transition is over (unless it is on top again).
        if (navigation && leaving && leaving != navigation->topViewController()) {
            if (auto leavingView = leaving->viewIfLoaded();
                leavingView && leavingView->superview() == navigation->viewIfLoaded()) {
                leavingView->removeFromSuperview();
            }
        }
        if (leaving) {
            leaving->endAppearanceTransition();
        }
        if (arriving) {
            arriving->endAppearanceTransition();
        }
        if (!navigation) {
            return;
        }
        if (change == StackChange::push && arriving && arriving->parentViewController() == navigation) {
            arriving->didMoveToParentViewController(navigation);
        }
        if (change == StackChange::pop && leaving && leaving->parentViewController() == navigation) {
            leaving->removeFromParentViewController();
        }
    });
}

bool UINavigationController::navigationBarShouldPop(UINavigationBar&, UINavigationItem&)
{
    popViewController(true);
    return false;
}

} // namespace platform
