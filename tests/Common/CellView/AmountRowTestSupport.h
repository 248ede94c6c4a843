#pragma once
// Shared by the amount and tip row tests: the looks a row shows, and the session's active
// currency set through a request-payment flow.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

namespace celltest {

inline bool showsErrorLook(const tavro::TAVROCellView& row)
{
    return platform::isEqual(row.colorStatusBar()->backgroundColor(), tavro::errorRedColor())
        && row.colorStatusBar()->frame().size.width == row.frame().size.width
        && platform::isEqual(row.titleBtn()->titleColor(platform::UIControlState::normal), tavro::errorRedColor());
}

inline bool showsFocusLook(const tavro::TAVROCellView& row)
{
    return platform::isEqual(row.backgroundColor(), platform::UIColor::white())
        && !platform::isEqual(row.colorStatusBar()->backgroundColor(), tavro::errorRedColor())
        && row.colorStatusBar()->frame().size.width == row.frame().size.width
        && platform::isEqual(row.titleBtn()->titleColor(platform::UIControlState::normal), row.titleDefaultColor());
}

// Makes `currencyCode` the session's active currency (a request-payment flow with that request).
inline void useCurrency(const std::string& currencyCode)
{
    const auto& session = tavro::TavroSession::sharedSession();
    auto request = platform::NSObject::create<tavro::TavroPaymentRequest>();
    request->setCurrencyCode(currencyCode);
    session->requestPaymentSession()->setRequest(request);
    session->setActiveSessionType(TavroActiveFlow::requestPayment);
}

// A row test that leaves no payment request behind.
class AmountRowTest : public CellTest {
protected:
    void TearDown() override
    {
        session()->requestPaymentSession()->setRequest(nullptr);
        CellTest::TearDown();
    }
};

} // namespace celltest
