#include "platform/ui/UIWindow.h"

#include "platform/foundation/DebugLog.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewControllerPresentation.h"

namespace platform {

namespace {

std::uint64_t nextOrderStamp()
{
    static std::uint64_t stamp = 0;
    return ++stamp;
}

constexpr auto fillsSuperview = UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight;

} // namespace

UIWindow::UIWindow() : UIWindow(UIScreen::main()->bounds()) {}

UIWindow::UIWindow(const CGRect& frame) : UIView(frame)
{
    UIView::setHidden(true);
}

UIWindow::~UIWindow()
{
    UIView::unregisterWindow(*this);
}

void UIWindow::didCreate()
{
    UIView::didCreate();
    auto self = sharedFromThis<UIWindow>();
    UIView::registerWindow(self);
    UIApplication::shared()->addWindow(self);
}

std::shared_ptr<UIWindow> UIWindow::asWindow() const
{
    return std::static_pointer_cast<UIWindow>(std::const_pointer_cast<UIView>(sharedFromThis<UIView>()));
}

void UIWindow::setRootViewController(UIViewControllerPtr controller)
{
    if (controller == m_rootViewController) {
        return;
    }
    if (controller && controller->parentViewController()) {
        debugLog("UIWindow: a child controller cannot be a window's root");
        return;
    }
    if (controller && controller->presentingViewController()) {
        debugLog("UIWindow: a presented controller cannot be a window's root");
        return;
    }
    auto keepAlive = sharedFromThis<UIWindow>();
    // Taking a root down runs its controllers' code, which may set a root meanwhile. This call wins:
    // a root set meanwhile is taken down too, unless it is the one being set.
    for (auto old = m_rootViewController; old; old = m_rootViewController) {
        takeDownRoot(*old);
        if (m_rootViewController == old) {
            break;
        }
        if (m_rootViewController == controller) {
            return;
        }
    }
    m_rootViewController = std::move(controller);
    if (auto root = m_rootViewController) {
        auto view = root->view();
        view->setFrame(bounds());
        view->setAutoresizingMask(fillsSuperview);
        insertSubview(view, 0);
        if (!isHidden()) {
            rootWillShow();
        }
    }
}

void UIWindow::takeDownRoot(UIViewController& root)
{
    auto keepAlive = root.sharedFromThis<UIViewController>();
    UIViewControllerPresentation::removePresentedImmediately(root);
    root.completePendingTransition();
    bool visible = !isHidden();
    if (visible) {
        root.beginAppearanceTransition(false, false);
    }
    if (auto view = root.viewIfLoaded(); view && view->superview().get() == this) {
        view->removeFromSuperview();
    }
    if (visible) {
        root.endAppearanceTransition();
    }
}

void UIWindow::rootWillShow()
{
    auto root = m_rootViewController;
    if (!root) {
        return;
    }
    root->beginAppearanceTransition(true, false);
    std::weak_ptr<UIViewController> weakRoot = root;
    root->scheduleTransition(0, [weakRoot] {
        if (auto controller = weakRoot.lock()) {
            controller->endAppearanceTransition();
        }
    });
}

UIViewControllerPtr UIWindow::topmostViewController() const
{
    auto top = m_rootViewController;
    while (top && top->presentedViewController()) {
        top = top->presentedViewController();
    }
    return top;
}

void UIWindow::makeKeyAndVisible()
{
    if (frame().isEmpty()) {
        setFrame(UIScreen::main()->bounds());
    }
    setHidden(false);
    makeKey();
}

void UIWindow::makeKey()
{
    UIApplication::shared()->setKeyWindow(sharedFromThis<UIWindow>());
}

bool UIWindow::isKeyWindow() const
{
    return UIApplication::shared()->keyWindow().get() == this;
}

void UIWindow::setHidden(bool hidden)
{
    bool wasHidden = isHidden();
    UIView::setHidden(hidden);
    if (wasHidden == hidden) {
        return;
    }
    auto keepAlive = sharedFromThis<UIWindow>();
    if (!hidden) {
        m_orderStamp = nextOrderStamp();
        UIView::joinDisplayPass();
        setNeedsLayout();
        rootWillShow();
        return;
    }
    if (auto root = m_rootViewController) {
        root->completePendingTransition();
        root->beginAppearanceTransition(false, false);
        root->endAppearanceTransition();
    }
    // Last, as code that runs on the resignation may show the window again with another root.
    if (isKeyWindow()) {
        UIApplication::shared()->setKeyWindow(nullptr);
    }
}

bool UIWindow::takesEvents() const
{
    return m_rootViewController && !isHidden();
}

void UIWindow::sendEvent(const std::shared_ptr<UIEvent>& event)
{
    if (!event || !m_rootViewController) {
        return;
    }
    if (event->type() == UIEventType::touches) {
        dispatchTouchEvent(sharedFromThis<UIView>(), event);
    }
}

std::shared_ptr<UIResponder> UIWindow::nextResponder() const
{
    return UIApplication::shared();
}

} // namespace platform
