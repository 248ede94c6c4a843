// Modal presentation: present, dismiss and the containers presented views sit in.
#include "platform/ui/UIViewControllerPresentation.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/DispatchQueue.h"

namespace platform {

namespace {

constexpr auto fillsSuperview = UIViewAutoresizing::flexibleWidth | UIViewAutoresizing::flexibleHeight;

bool coversPresenter(const UIViewController& controller)
{
    return controller.modalPresentationStyle() == UIModalPresentationStyle::fullScreen;
}

void runSoon(std::function<void()> completion)
{
    if (completion) {
        DispatchQueue::main().async(std::move(completion));
    }
}

} // namespace

UIViewControllerPtr UIViewController::presentedViewController() const
{
    for (const UIViewController* current = this; current;) {
        if (current->m_presented) {
            return current->m_presented;
        }
        auto parent = current->m_parent.lock();
        current = parent.get();
    }
    return nullptr;
}

UIViewControllerPtr UIViewController::presentingViewController() const
{
    for (const UIViewController* current = this; current;) {
        if (auto presenting = current->m_presenting.lock()) {
            return presenting;
        }
        auto parent = current->m_parent.lock();
        current = parent.get();
    }
    return nullptr;
}

void UIViewController::present(const UIViewControllerPtr& controller, bool animated, std::function<void()> completion)
{
    if (!controller) {
        debugLog("UIViewController: ignoring the presentation of a null controller");
        return;
    }
    auto host = topmostAncestor();
    if (controller->m_presentationPhase != PresentationPhase::none || controller->m_presenting.lock()) {
        debugLog("UIViewController: " + controller->className() + " is already presented");
        return;
    }
    if (controller->m_parent.lock()) {
        debugLog("UIViewController: " + controller->className() + " is a child controller and cannot be presented");
        return;
    }
    for (auto below = host; below; below = below->m_presenting.lock()) {
        if (below == controller) {
            debugLog("UIViewController: a controller cannot present itself or its presenter");
            return;
        }
    }
    if (host->m_presented) {
        debugLog("UIViewController: " + host->className() + " is already presenting " + host->m_presented->className());
        return;
    }
    if (host->m_presentationPhase == PresentationPhase::dismissing) {
        debugLog("UIViewController: " + host->className() + " is being dismissed and cannot present");
        return;
    }
    UIViewPtr window = host->m_view ? host->m_view->windowView() : nullptr;
    if (!window) {
        debugLog("UIViewController: " + host->className() + " cannot present: its view is not in a window");
        return;
    }

    // The presenter's own transition (its first appearance, a push) ends before it is covered.
    host->completePendingTransition();
    if (host->m_presented) {
        debugLog("UIViewController: " + host->className() + " presented another controller meanwhile");
        return;
    }
    host->m_presented = controller;
    controller->m_presenting = host;
    controller->m_presentationPhase = PresentationPhase::presenting;

    auto container = NSObject::create<UIView>(window->bounds());
    container->setAutoresizingMask(fillsSuperview);
    controller->m_presentationContainer = container;
    auto view = controller->view();
    view->setFrame(container->bounds());
    view->setAutoresizingMask(fillsSuperview);
    container->addSubview(view);
    window->addSubview(container);

    bool covers = coversPresenter(*controller);
    if (covers) {
        host->beginAppearanceTransition(false, animated);
    }
    controller->beginAppearanceTransition(true, animated);

    std::weak_ptr<UIViewController> weakHost = host;
    std::weak_ptr<UIViewController> weakController = controller;
    controller->scheduleTransition(animated ? transitionDuration : 0,
                                   [weakHost, weakController, covers, completion = std::move(completion)] {
                                       auto presented = weakController.lock();
                                       if (!presented) {
                                           return;
                                       }
                                       presented->m_presentationPhase = PresentationPhase::presented;
                                       auto presenter = weakHost.lock();
                                       if (covers && presenter) {
                                           presenter->endAppearanceTransition();
                                       }
                                       presented->endAppearanceTransition();
                                       if (completion) {
                                           completion();
                                       }
                                   });
}

void UIViewController::dismiss(bool animated, std::function<void()> completion)
{
    auto keepAlive = sharedFromThis<UIViewController>();
    UIViewControllerPtr presenter;
    if (auto presented = presentedViewController()) {
        presenter = presented->m_presenting.lock();
    } else {
        presenter = presentingViewController();
    }
    if (!presenter) {
        runSoon(std::move(completion));
        return;
    }
    UIViewControllerPresentation::dismissPresented(*presenter, animated, std::move(completion));
}

void UIViewControllerPresentation::dismissPresented(UIViewController& presenter, bool animated,
                                                    std::function<void()> completion)
{
    using PresentationPhase = UIViewController::PresentationPhase;
    auto host = presenter.sharedFromThis<UIViewController>();
    auto controller = host->m_presented;
    if (!controller) {
        runSoon(std::move(completion));
        return;
    }
    // A presentation or dismissal still running on the clock is finished first, so every
    // controller gets its callbacks in pairs.
    controller->completePendingTransition();
    if (host->m_presented != controller) {
        runSoon(std::move(completion));
        return;
    }
    removePresentedImmediately(*controller);

    controller->m_presentationPhase = PresentationPhase::dismissing;
    if (auto view = controller->viewIfLoaded()) {
        view->endEditing(true);
    }
    bool covers = coversPresenter(*controller);
    controller->beginAppearanceTransition(false, animated);
    if (covers) {
        host->beginAppearanceTransition(true, animated);
    }

    std::weak_ptr<UIViewController> weakHost = host;
    std::weak_ptr<UIViewController> weakController = controller;
    controller->scheduleTransition(animated ? UIViewController::transitionDuration : 0,
                                   [weakHost, weakController, covers, completion = std::move(completion)] {
                                       auto dismissed = weakController.lock();
                                       if (!dismissed) {
                                           return;
                                       }
                                       auto presenter = weakHost.lock();
                                       // Nothing presented on it stays behind in the window.
                                       removePresentedImmediately(*dismissed);
                                       removeFromWindow(*dismissed);
                                       dismissed->endAppearanceTransition();
                                       if (covers && presenter) {
                                           presenter->endAppearanceTransition();
                                       }
                                       unlinkFromPresenter(*dismissed);
                                       if (completion) {
                                           completion();
                                       }
                                   });
}

void UIViewControllerPresentation::removePresentedImmediately(UIViewController& controller)
{
    using PresentationPhase = UIViewController::PresentationPhase;
    auto keepAlive = controller.sharedFromThis<UIViewController>();
    // Finishing a transition runs its completion, which may present more or take a controller down
    // itself, so the top is looked up again after each step.
    while (auto top = controller.m_presented) {
        while (top->m_presented) {
            top = top->m_presented;
        }
        if (top->hasPendingTransition()) {
            top->completePendingTransition();
            continue;
        }
        // Leaving: its callbacks cannot present anything over it.
        top->m_presentationPhase = PresentationPhase::dismissing;
        top->beginAppearanceTransition(false, false);
        removeFromWindow(*top);
        top->endAppearanceTransition();
        unlinkFromPresenter(*top);
    }
}

void UIViewControllerPresentation::removeFromWindow(UIViewController& presented)
{
    if (auto view = presented.viewIfLoaded()) {
        view->removeFromSuperview();
    }
    if (auto container = presented.m_presentationContainer.lock()) {
        container->removeFromSuperview();
    }
    presented.m_presentationContainer.reset();
}

void UIViewControllerPresentation::unlinkFromPresenter(UIViewController& presented)
{
    if (auto below = presented.m_presenting.lock(); below && below->m_presented.get() == &presented) {
        below->m_presented = nullptr;
    }
    presented.m_presenting.reset();
    presented.m_presentationPhase = UIViewController::PresentationPhase::none;
}

} // namespace platform
