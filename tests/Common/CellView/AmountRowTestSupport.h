#pragma once
// Shared by the amount and tip row tests: the looks a row shows, and the session's active
// currency set through a request-payment flow.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"
#include "TavroMerchantSDK/core/TavroPaymentRequest.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

namespace celltest {

inline bool showsErrorLook(const tavro::TAVROCellView& row)
{
    return platform::isEqual(row.colorStatusBar()->backgroundColor(), tavro::errorRedColor()) &&
           row.colorStatusBar()->frame().size.width == row.frame().size.width &&
           platform::isEqual(row.titleBtn()->titleColor(platform::UIControlState::normal), tavro::errorRedColor());
}

inline bool showsFocusLook(const tavro::TAVROCellView& row)
{
    return platform::isEqual(row.backgroundColor(), platform::UIColor::white()) &&
           !platform::isEqual(row.colorStatusBar()->backgroundColor(), tavro::errorRedColor()) &&
           row.colorStatusBar()->frame().size.width == row.frame().size.width &&
           platform::isEqual(row.titleBtn()->titleColor(platform::UIControlState::normal), row.titleDefaultColor());
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

// A tip row of `width` pinned to the top of `host` the way the payment scroll view places it,
// with its own height constraint of 70.
inline std::shared_ptr<tavro::TAVROTipCellView> pinnedTipRow(const platform::UIViewPtr& host, double width = 375)
{
    using platform::NSLayoutAttribute;
    using platform::NSLayoutConstraint;
    auto row = NSObject::create<tavro::TAVROTipCellView>(CGRect(0, 0, width, 70));
    row->setCellType(CellType::addTip);
    row->setTitleString("Add Tip");
    row->setTranslatesAutoresizingMaskIntoConstraints(false);
    host->addSubview(row);
    auto toHost = [&](NSLayoutAttribute attribute) {
        return NSLayoutConstraint::create(row, attribute, platform::NSLayoutRelation::equal, host, attribute);
    };
    auto fixed = [&](NSLayoutAttribute attribute, double constant) {
        return NSLayoutConstraint::create(row, attribute, platform::NSLayoutRelation::equal, nullptr,
                                          NSLayoutAttribute::notAnAttribute, 1, constant);
    };
    auto height = fixed(NSLayoutAttribute::height, 70);
    NSLayoutConstraint::activate({toHost(NSLayoutAttribute::top), toHost(NSLayoutAttribute::leading),
                                  fixed(NSLayoutAttribute::width, width), height});
    row->setHeightConstraint(height);
    return row;
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
