// 1,000 create-bind-destroy cycles of the amount, tip and summary rows: nothing stays alive and
// no text-change observer is left behind.

#include "Common/CellView/AmountRowTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"
#include "platform/foundation/NotificationCenter.h"

using namespace celltest;
using platform::UIViewPtr;

TEST_F(AmountRowTest, MoneyRowsGoAwayWithTheirForm)
{
    session()->refundPaymentSession()->request()->setCurrencyCode("356");
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    // Each maker creates a row, binds it, adds it to `host` and exercises it.
    const std::vector<std::pair<const char*, std::function<UIViewPtr(const UIViewPtr& host)>>> makers = {
        {"amount",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROAmountCellView>(CGRect(0, 0, 375, 100));
             row->setCellViewDelegate(owner);
             host->addSubview(row);
             row->layoutIfNeeded();
             auto& field = *row->inputTextField();
             row->textFieldShouldBeginEditing(field);
             field.setText("INR 12");
             platform::NotificationCenter::defaultCenter().post(platform::UITextFieldTextDidChange,
                                                                row->inputTextField());
             row->textFieldDidEndEditing(field);
             return row;
         }},
        {"tip",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROTipCellView>(CGRect(0, 0, 375, 70));
             row->setCellViewDelegate(owner);
             host->addSubview(row);
             row->layoutIfNeeded();
             row->textFieldShouldBeginEditing(*row->inputTextField());
             row->fifteenBtn()->sendActions(platform::UIControlEvents::touchUpInside);
             row->plusBtn()->sendActions(platform::UIControlEvents::touchUpInside);
             row->textFieldDidEndEditing(*row->inputTextField());
             return row;
         }},
        {"summary",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROSummaryCellView>(CGRect(0, 0, 375, 128));
             row->setCellType(TavroActiveFlow::refundPayment);
             host->addSubview(row);
             row->setCellObject(
                 NSObject::create<tavro::TAVROPaymentCellModel>(CellType::summary, std::nullopt, std::string("100")));
             row->setCellObject(
                 NSObject::create<tavro::TAVROPaymentCellModel>(CellType::summary, std::nullopt, std::string("90")));
             row->updateCellWithAmount(40, 90);
             row->layoutIfNeeded();
             return row;
         }},
    };
    auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
    auto window = show(host);
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observers = center.observerCount();
    for (const auto& [name, make] : makers) {
        SCOPED_TRACE(name);
        std::vector<std::weak_ptr<platform::UIView>> made;
        for (int i = 0; i < 1000; ++i) {
            auto row = make(host);
            row->removeFromSuperview();
            made.push_back(row);
        }
        driver.advanceBy(1);
        EXPECT_EQ(std::count_if(made.begin(), made.end(), [](const auto& row) { return !row.expired(); }), 0);
        EXPECT_EQ(center.observerCount(), observers);
        EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);
    }
    EXPECT_GT(owner->reports.size(), 2000u);
}
