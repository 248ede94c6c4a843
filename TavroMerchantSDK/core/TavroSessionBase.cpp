#include "TavroMerchantSDK/core/TavroSessionBase.h"

#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "platform/foundation/DebugLog.h"

#include <limits>

namespace tavro {

TavroSessionBase::TavroSessionBase()
    : m_internalConfiguration(platform::NSObject::create<TavroConfig>()),
      m_sdkWindow(platform::NSObject::create<TavroWindow>())
{
}

TavroSessionBase::~TavroSessionBase()
{
    if (m_timeoutManager)
        m_timeoutManager->endTimeoutObservation();
}

void TavroSessionBase::setConfiguration(const std::shared_ptr<TavroConfig>& config)
{
    if (m_activeSessionType != TavroActiveFlow::none) {
        platform::debugLog("Error: Cannot set configuration during SDK Flow");
        return;
    }
    if (!config) {
        platform::debugLog("TavroSession: a null configuration was ignored");
        return;
    }
    m_internalConfiguration = config->deepCopy();
}

bool TavroSessionBase::merchantSDKEmvCoSupported() const
{
    return TavroSessionState::shared().merchantSDKEmvCoSupported();
}

void TavroSessionBase::setMerchantSDKEmvCoSupported(bool supported)
{
    TavroSessionState::shared().setMerchantSDKEmvCoSupported(supported);
}

const std::shared_ptr<TavroTimeoutManager>& TavroSessionBase::timeoutManager()
{
    if (!m_timeoutManager) {
        m_timeoutManager = platform::NSObject::create<TavroTimeoutManager>();
        m_timeoutManager->setDelegate(std::weak_ptr<TavroTimeoutManagerDelegate>(shared_from_this()));
    }
    return m_timeoutManager;
}

void TavroSessionBase::setActiveSessionType(TavroActiveFlow flow)
{
    m_activeSessionType = flow;
    const auto& manager = timeoutManager();
    manager->setTimeoutLength(activeIdleTimeout());
    if (flow == TavroActiveFlow::none || flow == TavroActiveFlow::requestPayment)
        manager->endTimeoutObservation();
    else
        manager->startTimeoutObservation();
}

double TavroSessionBase::activeIdleTimeout() const
{
    const TavroConfig& config = *m_internalConfiguration;
    switch (m_activeSessionType) {
    case TavroActiveFlow::none: return std::numeric_limits<double>::infinity();
    case TavroActiveFlow::payMerchant:
    case TavroActiveFlow::payMerchantAlias: return static_cast<double>(config.paymerchantTimeOutInSeconds());
    case TavroActiveFlow::payFriend:
    case TavroActiveFlow::aliasPayFriend: return static_cast<double>(config.payFriendTimeoutInSeconds());
    case TavroActiveFlow::withdrawCash: return static_cast<double>(config.withdrawCashTimeOutInSeconds());
    case TavroActiveFlow::refundPayment:
    case TavroActiveFlow::requestPayment: return 180.0;
    }
    return std::numeric_limits<double>::infinity();
}

} // namespace tavro
