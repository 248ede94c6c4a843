#pragma once
// TavroSession: the process-wide session. Adds to TavroSessionBase the two flow sub-sessions and
// the fields the screens and rows share. Screens, rows and formatting read and write
// sharedSession() directly. Main thread only.

#include "TavroMerchantSDK/core/SDKType.h"
#include "TavroMerchantSDK/core/TAVRORefundPaymentSession.h"
#include "TavroMerchantSDK/core/TAVRORequestPaymentSession.h"
#include "TavroMerchantSDK/core/TavroSessionBase.h"

#include <memory>
#include <string>

namespace tavro {

class TavroSession : public TavroSessionBase {
public:
    // The one session: created on first use, once per process, and never released.
    // TavroMerchantSDK::start() makes it the source of the active currency and the flow-button
    // colours that the reference data reads.
    static const std::shared_ptr<TavroSession>& sharedSession();
    // Puts the shared session back as it is at process start, apart from the window it keeps for
    // good (emptied and hidden): no flow, no host window, a plain configuration, fresh flow
    // sub-sessions and fields. Registered with the platform's test resets when the session is made.
    static void resetForTesting();

    // The side this framework runs as; merchant.
    SDKType sdkType() const;
    void setSdkType(SDKType type);

    const std::shared_ptr<TAVRORefundPaymentSession>& refundPaymentSession() const { return m_refundPaymentSession; }
    const std::shared_ptr<TAVRORequestPaymentSession>& requestPaymentSession() const { return m_requestPaymentSession; }

    bool isScanned() const { return m_isScanned; }
    void setIsScanned(bool scanned) { m_isScanned = scanned; }
    // Decimal text; "0" at start.
    const std::string& serviceFee() const { return m_serviceFee; }
    void setServiceFee(std::string fee) { m_serviceFee = std::move(fee); }
    long long cardIndex() const { return m_cardIndex; }
    void setCardIndex(long long index) { m_cardIndex = index; }

    // ISO 4217 numeric code of the active flow's request: the payment request's currency in the
    // request-payment flow ("356" while none is stored), the refund request's in the refund flow,
    // "356" otherwise.
    std::string activeCurrencyCode() const;

private:
    TavroSession();

    std::shared_ptr<TAVRORefundPaymentSession> m_refundPaymentSession;
    std::shared_ptr<TAVRORequestPaymentSession> m_requestPaymentSession;
    bool m_isScanned = false;
    std::string m_serviceFee = "0";
    long long m_cardIndex = 0;
};

} // namespace tavro
