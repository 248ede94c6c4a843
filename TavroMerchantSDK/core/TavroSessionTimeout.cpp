// The idle time-out as the user and the host see it: the notification and the alert.
#include "TavroMerchantSDK/core/TavroSessionBase.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIAlertController.h"

namespace tavro {

void TavroSessionBase::timeoutOccurred(TavroTimeoutManager&)
{
    const auto flow = m_activeSessionType;
    const auto root = m_sdkWindow->rootViewController();
    platform::NotificationCenter::defaultCenter().post(StringConstants::SESSION_TIMEOUT_NOTIFICATION());
    // The host may have ended the flow or launched another from its observer: the alert belongs
    // only to the flow that timed out, still on screen and not closing.
    if (!root || root != m_sdkWindow->rootViewController() || flow != m_activeSessionType ||
        root == m_rootBeingClosed.lock())
        return;

    // Activity on the alert re-arms the timer; one alert on screen is enough.
    if (auto shown = m_timeoutAlert.lock(); shown && shown->presentingViewController())
        return;

    auto alert = platform::UIAlertController::create(std::string(), StringConstants::TAVRO_SESSION_TIMEOUT_DIALOG(),
                                                     platform::UIAlertControllerStyle::alert);
    std::weak_ptr<TavroSessionBase> weakSelf = shared_from_this();
    std::weak_ptr<platform::UIViewController> shownOver = root;
    // OK closes only the flow the alert was shown over, if it is still the one shown.
    auto closeThatFlow = [weakSelf, shownOver](platform::UIAlertAction&) {
        platform::DispatchQueue::main().async([weakSelf, shownOver] {
            auto self = weakSelf.lock();
            auto flowRoot = shownOver.lock();
            if (self && flowRoot && flowRoot == self->m_sdkWindow->rootViewController())
                self->dismissSDKWindow(nullptr);
        });
    };
    alert->addAction(platform::UIAlertAction::create(StringConstants::TAVRO_OK(), platform::UIAlertActionStyle::cancel,
                                                     std::move(closeThatFlow)));

    auto top = m_sdkWindow->topmostViewController();
    top->view()->endEditing(true);
    m_timeoutAlert = alert;
    top->present(alert, true);
}

} // namespace tavro
