#include "TavroMerchantSDK/core/TavroTimeoutManager.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UITextViewNotifications.h"

namespace tavro {

TavroTimeoutManager::~TavroTimeoutManager()
{
    if (m_timer)
        m_timer->invalidate();
}

const std::string& TavroTimeoutManager::textViewTextDidChangeNotification()
{
    return platform::UITextViewTextDidChange;
}

void TavroTimeoutManager::startTimeoutObservation()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    std::weak_ptr<TavroTimeoutManager> weakSelf = sharedFromThis<TavroTimeoutManager>();
    // One set of observers however often observation starts.
    center.removeObserver(std::weak_ptr<const void>(weakSelf));
    auto rearm = [weakSelf](const platform::Notification&) {
        if (auto self = weakSelf.lock())
            self->touchEventRegistered();
    };
    for (const std::string& name : {StringConstants::SESSION_TOUCH_EVENT_OCCURRED(), platform::UITextFieldTextDidChange,
                                    textViewTextDidChangeNotification()})
        center.addObserver(name, std::weak_ptr<const void>(weakSelf), rearm);
    touchEventRegistered();
}

void TavroTimeoutManager::endTimeoutObservation()
{
    platform::NotificationCenter::defaultCenter().removeObserver(
        std::weak_ptr<const void>(sharedFromThis<TavroTimeoutManager>()));
    if (m_timer)
        m_timer->invalidate();
}

void TavroTimeoutManager::touchEventRegistered()
{
    if (m_timer)
        m_timer->invalidate();
    std::weak_ptr<TavroTimeoutManager> weakSelf = sharedFromThis<TavroTimeoutManager>();
    m_timer = platform::Timer::scheduledTimer(m_timeoutLength, false, [weakSelf](platform::Timer&) {
        if (auto self = weakSelf.lock())
            self->timerFired();
    });
}

void TavroTimeoutManager::timerFired()
{
    if (auto delegate = m_delegate.lock())
        delegate->timeoutOccurred(*this);
}

} // namespace tavro
