// View loading, title, children and the responder chain of view controllers.
#include "platform/ui/UIViewController.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UINavigationItem.h"
#include "platform/ui/UIPopoverPresentationController.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>

namespace platform {

UIViewController::UIViewController(std::optional<std::string> nibName, std::shared_ptr<Bundle> nibBundle)
    : m_nibName(std::move(nibName)), m_nibBundle(std::move(nibBundle))
{
}

UIViewController::~UIViewController()
{
    if (auto timer = m_pendingTimer.lock()) {
        timer->invalidate();
    }
}

// --- the root view ---

UIViewPtr UIViewController::view()
{
    loadViewIfNeeded();
    return m_view;
}

void UIViewController::loadViewIfNeeded()
{
    if (m_view) {
        return;
    }
    if (m_loadingView) {
        debugLog("UIViewController: the view was asked for while it was being loaded");
        return;
    }
    auto keepAlive = sharedFromThis<UIViewController>();
    m_loadingView = true;
    loadView();
    if (!m_view) {
        debugLog("UIViewController: loadView() made no view; using a plain one");
        setView(NSObject::create<UIView>(UIScreen::main()->bounds()));
    }
    m_loadingView = false;
    viewDidLoad();
}

void UIViewController::setView(const UIViewPtr& view)
{
    if (m_view == view) {
        return;
    }
    if (m_view && m_view->owningController().get() == this) {
        m_view->setOwningController({});
    }
    m_view = view;
    // Guides belong to the view they were made in.
    m_topLayoutGuide = nullptr;
    m_bottomLayoutGuide = nullptr;
    m_topGuideHeight = nullptr;
    m_bottomGuideHeight = nullptr;
    if (m_view) {
        m_view->setOwningController(weakFromThis<UIViewController>());
    }
}

void UIViewController::loadView()
{
    if (m_nibName) {
        auto bundle = m_nibBundle ? m_nibBundle : Bundle::main();
        auto objects = NibRegistry::instantiate(bundle, *m_nibName, sharedFromThis<UIViewController>());
        if (objects && !m_view) {
            debugLog("UIViewController: the nib \"" + *m_nibName + "\" did not connect the view");
        }
        if (m_view) {
            return;
        }
    }
    setView(NSObject::create<UIView>(UIScreen::main()->bounds()));
}

// --- title and navigation ---

void UIViewController::setTitle(std::optional<std::string> title)
{
    m_title = std::move(title);
    navigationItem()->setTitle(m_title);
}

std::shared_ptr<UINavigationItem> UIViewController::navigationItem()
{
    if (!m_navigationItem) {
        m_navigationItem = NSObject::create<UINavigationItem>(m_title);
    }
    return m_navigationItem;
}

std::shared_ptr<UINavigationController> UIViewController::navigationController() const
{
    for (auto ancestor = m_parent.lock(); ancestor; ancestor = ancestor->m_parent.lock()) {
        if (auto navigation = std::dynamic_pointer_cast<UINavigationController>(ancestor)) {
            return navigation;
        }
    }
    return nullptr;
}

// --- status bar and insets ---

void UIViewController::setNeedsStatusBarAppearanceUpdate()
{
    // The status bar asks the controllers whenever it is read, so there is nothing to refresh.
}

void UIViewController::setSafeAreaInsets(const UIEdgeInsets& insets)
{
    if (m_safeAreaInsets == insets) {
        return;
    }
    m_safeAreaInsets = insets;
    updateLayoutGuideLengths();
    if (m_view) {
        m_view->setNeedsLayout();
    }
}

void UIViewController::setAdditionalSafeAreaInsets(const UIEdgeInsets& insets)
{
    if (m_additionalSafeAreaInsets == insets) {
        return;
    }
    m_additionalSafeAreaInsets = insets;
    updateLayoutGuideLengths();
    if (m_view) {
        m_view->setNeedsLayout();
    }
}

// --- children ---

void UIViewController::addChildViewController(const UIViewControllerPtr& child)
{
    if (!child) {
        debugLog("UIViewController: ignoring a null child controller");
        return;
    }
    for (auto ancestor = sharedFromThis<UIViewController>(); ancestor; ancestor = ancestor->m_parent.lock()) {
        if (ancestor == child) {
            debugLog("UIViewController: a controller cannot be its own child or descendant");
            return;
        }
    }
    if (child->m_parent.lock().get() == this) {
        return;
    }
    if (child->m_parent.lock()) {
        child->willMoveToParentViewController(nullptr);
        child->removeFromParentViewController();
    }
    auto self = sharedFromThis<UIViewController>();
    child->willMoveToParentViewController(self);
    m_children.push_back(child);
    child->m_parent = self;
}

void UIViewController::removeFromParentViewController()
{
    auto parent = m_parent.lock();
    if (!parent) {
        return;
    }
    auto keepAlive = sharedFromThis<UIViewController>();
    auto& siblings = parent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keepAlive), siblings.end());
    m_parent.reset();
    didMoveToParentViewController(nullptr);
}

UIViewControllerPtr UIViewController::topmostAncestor()
{
    auto top = sharedFromThis<UIViewController>();
    while (auto parent = top->m_parent.lock()) {
        top = parent;
    }
    return top;
}

// --- presentation style ---

void UIViewController::setModalPresentationStyle(UIModalPresentationStyle style)
{
    if (m_presentationPhase != PresentationPhase::none) {
        debugLog("UIViewController: the presentation style cannot change while presented");
        return;
    }
    m_modalPresentationStyle = style;
}

std::shared_ptr<UIPopoverPresentationController> UIViewController::popoverPresentationController()
{
    if (m_modalPresentationStyle != UIModalPresentationStyle::popover) {
        return nullptr;
    }
    if (!m_popover) {
        m_popover = NSObject::create<UIPopoverPresentationController>(weakFromThis<UIViewController>());
    }
    return m_popover;
}

// --- responder chain ---

std::shared_ptr<UIResponder> UIViewController::nextResponder() const
{
    if (m_view) {
        if (auto superview = m_view->superview()) {
            return superview;
        }
    }
    if (auto presenting = m_presenting.lock()) {
        return presenting;
    }
    return m_parent.lock();
}

// --- transitions on the clock ---

void UIViewController::scheduleTransition(double duration, std::function<void()> finish)
{
    completePendingTransition();
    auto holder = std::make_shared<std::function<void()>>(std::move(finish));
    auto timer = Timer::scheduledTimer(duration, false, [holder](Timer&) {
        auto run = std::move(*holder);
        *holder = nullptr;
        if (run) {
            run();
        }
    });
    m_pendingTransition = holder;
    m_pendingTimer = timer;
}

void UIViewController::completePendingTransition()
{
    auto holder = m_pendingTransition.lock();
    if (!holder || !*holder) {
        return;
    }
    auto run = std::move(*holder);
    *holder = nullptr;
    if (auto timer = m_pendingTimer.lock()) {
        timer->invalidate();
    }
    m_pendingTransition.reset();
    m_pendingTimer.reset();
    run();
}

bool UIViewController::hasPendingTransition() const
{
    auto holder = m_pendingTransition.lock();
    return holder && *holder;
}

} // namespace platform
