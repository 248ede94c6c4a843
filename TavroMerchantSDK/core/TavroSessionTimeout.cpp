// The idle time-out as the user and the host see it: the notification and the alert.
#include "TavroMerchantSDK/core/TavroSessionBase.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UIAlertController.h"

namespace tavro {

void TavroSessionBase::timeoutOccurred(TavroTimeoutManager&)
{
    platform::NotificationCenter::defaultCenter().post(StringConstants::SESSION_TIMEOUT_NOTIFICATION());

    // Activity on the alert re-arms the timer; one alert on screen is enough.
    if (auto shown = m_timeoutAlert.lock(); shown && shown->presentingViewController())
        return;

    auto alert = platform::UIAlertController::create(std::string(), StringConstants::TAVRO_SESSION_TIMEOUT_DIALOG(),
                                                     platform::UIAlertControllerStyle::alert);
    std::weak_ptr<TavroSessionBase> weakSelf = shared_from_this();
    alert->addAction(platform::UIAlertAction::create(StringConstants::TAVRO_OK(), platform::UIAlertActionStyle::cancel,
                                                     [weakSelf](platform::UIAlertAction&) {
                                                         platform::DispatchQueue::main().async([weakSelf] {
                                                             if (auto self = weakSelf.lock())
                                                                 self->dismissSDKWindow(nullptr);
                                                         });
                                                     }));

    auto top = m_sdkWindow->topmostViewController();
    if (!top)
        return;
    top->view()->endEditing(true);
    m_timeoutAlert = alert;
    top->present(alert, true);
}

} // namespace tavro
