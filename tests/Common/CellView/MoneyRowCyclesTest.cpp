// 1,000 create-bind-destroy cycles of the amount, tip and summary rows: nothing stays alive and
// no text-change observer is left behind.

#include "Common/CellView/AmountRowTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"

using namespace celltest;
using platform::UIViewPtr;

TEST_F(AmountRowTest, MoneyRowsGoAwayWithTheirForm)
{
    session()->refundPaymentSession()->request()->setCurrencyCode("356");
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    // Each maker creates a row, binds it, adds it to `host` and exercises it.
    const std::vector<std::pair<const char*, RowMaker>> makers = {
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
    expectRowsGoAway(makers);
    EXPECT_GT(owner->reports.size(), 2000u);
}
