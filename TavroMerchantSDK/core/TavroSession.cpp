#include "TavroMerchantSDK/core/TavroSession.h"

#include "TavroMerchantSDK/core/TavroSessionState.h"
#include "TavroMerchantSDK/support/base/TavroBaseConstants.h"
#include "platform/foundation/ResetForTesting.h"

namespace tavro {

TavroSession::TavroSession()
    : m_refundPaymentSession(std::make_shared<TAVRORefundPaymentSession>()),
      m_requestPaymentSession(std::make_shared<TAVRORequestPaymentSession>())
{
}

const std::shared_ptr<TavroSession>& TavroSession::sharedSession()
{
    // Never destroyed: the window and its controllers must not be torn down during exit.
    static const std::shared_ptr<TavroSession>* session = [] {
        auto* created = new std::shared_ptr<TavroSession>(new TavroSession());
        platform::registerResetForTesting(&TavroSession::resetForTesting);
        return created;
    }();
    return *session;
}

void TavroSession::resetForTesting()
{
    TavroSession& session = *sharedSession();
    session.sdkWindow()->setRootViewController(nullptr);
    session.sdkWindow()->setHidden(true);
    // No flow first: the configuration is refused during one, and the idle timer stops observing.
    session.setActiveSessionType(TavroActiveFlow::none);
    session.setHostAppWindow({});
    session.setConfiguration(platform::NSObject::create<TavroConfig>());
    session.setTotalPaymentAmount("0.0");
    session.setSelectedCurrency(nullptr);
    session.m_refundPaymentSession = std::make_shared<TAVRORefundPaymentSession>();
    session.m_requestPaymentSession = std::make_shared<TAVRORequestPaymentSession>();
    session.m_isScanned = false;
    session.m_serviceFee = "0";
    session.m_cardIndex = 0;
}

SDKType TavroSession::sdkType() const
{
    return TavroSessionState::shared().sdkType();
}

void TavroSession::setSdkType(SDKType type)
{
    TavroSessionState::shared().setSdkType(type);
}

std::string TavroSession::activeCurrencyCode() const
{
    switch (activeSessionType()) {
    case TavroActiveFlow::requestPayment:
        if (const auto& request = m_requestPaymentSession->request())
            return request->currencyCode();
        return TavroBaseConstants::defaultTransactionCurrency;
    case TavroActiveFlow::refundPayment: return m_refundPaymentSession->request()->currencyCode();
    default: return TavroBaseConstants::defaultTransactionCurrency;
    }
}

} // namespace tavro
