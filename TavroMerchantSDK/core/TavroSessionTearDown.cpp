// Closing the framework window: presented controllers first, then the slide-out, then the host's
// window and the flow state.
#include "TavroMerchantSDK/core/TavroSessionBase.h"

namespace tavro {

void TavroSessionBase::dismissSDKWindow(std::function<void()> completion)
{
    // Nothing times out while the framework closes; a launch arms the timer again.
    timeoutManager()->endTimeoutObservation();
    auto top = m_sdkWindow->topmostViewController();
    std::weak_ptr<TavroSessionBase> weakSelf = shared_from_this();
    // The flow being closed. A launch during the dismissals or the slide installs a new root; that
    // flow is left on screen and only the caller's completion runs.
    std::weak_ptr<platform::UIViewController> closing = m_sdkWindow->rootViewController();
    m_rootBeingClosed = closing;
    auto finish = [weakSelf, closing, completion = std::move(completion)] {
        auto self = weakSelf.lock();
        if (!self)
            return;
        if (self->windowShowsAnotherFlow(closing)) {
            if (completion)
                completion();
            return;
        }
        if (!self->m_sdkWindow->rootViewController()) {
            // Nothing on screen: nothing slides and the key window stays where it is, but the
            // flow still ends and the caller still hears of it.
            self->setActiveSessionType(TavroActiveFlow::none);
            if (completion)
                completion();
            return;
        }
        self->m_sdkWindow->hideRootWindowView([weakSelf, closing, completion] {
            auto session = weakSelf.lock();
            if (!session)
                return;
            if (session->windowShowsAnotherFlow(closing)) {
                if (completion)
                    completion();
                return;
            }
            session->finishTearDown(closing, completion);
        });
    };
    dismissModalStackIfNeeded(top, std::move(finish));
}

void TavroSessionBase::dismissModalStackIfNeeded(const platform::UIViewControllerPtr& viewController,
                                                 std::function<void()> completion)
{
    // A presented controller without a presenter cannot be walked further; the root's content
    // goes with the window all the same.
    if (viewController == m_sdkWindow->rootViewController() || !viewController) {
        completion();
        return;
    }
    auto presenter = viewController->presentingViewController();
    std::weak_ptr<TavroSessionBase> weakSelf = shared_from_this();
    viewController->dismiss(true, [weakSelf, presenter, completion = std::move(completion)] {
        if (auto self = weakSelf.lock())
            self->dismissModalStackIfNeeded(presenter, completion);
    });
}

bool TavroSessionBase::windowShowsAnotherFlow(const std::weak_ptr<platform::UIViewController>& closing) const
{
    const auto& root = m_sdkWindow->rootViewController();
    return root && root != closing.lock();
}

void TavroSessionBase::finishTearDown(const std::weak_ptr<platform::UIViewController>& closing,
                                      const std::function<void()>& completion)
{
    handKeyBack();
    // The hand-off posts the windows' key notifications; a flow the host launched from them stays.
    if (!windowShowsAnotherFlow(closing)) {
        m_sdkWindow->setRootViewController(nullptr);
        setActiveSessionType(TavroActiveFlow::none);
    }
    if (completion)
        completion();
}

void TavroSessionBase::handKeyBack()
{
    if (auto host = m_hostAppWindow.lock()) {
        host->makeKeyAndVisible();
        return;
    }
    // With no host window left, the framework window gives up key status by going out of sight;
    // the next launch shows it again.
    m_sdkWindow->setHidden(true);
}

} // namespace tavro
