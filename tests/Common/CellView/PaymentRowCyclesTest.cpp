// 1,000 create-bind-destroy cycles of the drop-down, FX amount, item-detail and card rows:
// nothing stays alive and no observer is left behind.

#include "Common/CellView/CardListTestSupport.h"
#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROItemDetailCellView.h"

using namespace celltest;
using platform::UIViewPtr;

TEST_F(CellTest, PaymentRowsGoAwayWithTheirForm)
{
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    auto source = std::make_shared<CardListSource>();
    source->cards = {card("4242", "Platinum", "Master Card", "#1869d6")};
    const std::vector<std::pair<const char*, RowMaker>> makers = {
        {"drop-down",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROFXDropDownCellView>(CGRect(267, 0, 108, 98), false);
             row->setInputTextFieldString("INR");
             host->addSubview(row);
             row->layoutIfNeeded();
             row->virtualBtn()->sendActions(platform::UIControlEvents::touchUpInside);
             return row;
         }},
        {"fx-amount",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROFXAmountCellView>(CGRect(0, 0, 265, 98));
             row->setCellViewDelegate(owner);
             row->setCellType(CellType::paymentAmount);
             host->addSubview(row);
             row->layoutIfNeeded();
             row->textFieldShouldBeginEditing(*row->inputTextField());
             row->inputTextField()->setText("0.001");
             row->amountTextFieldDidChange();
             return row;
         }},
        {"item-detail",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROItemDetailCellView>(CGRect(0, 0, 375, 91));
             auto model =
                 NSObject::create<tavro::TAVROPaymentCellModel>(CellType::merchantDetail, std::nullopt, std::nullopt);
             model->setMerchantName("Anna Lopez");
             row->setCellObject(model);
             host->addSubview(row);
             row->layoutIfNeeded();
             return row;
         }},
        {"card-list",
         [&](const UIViewPtr& host) {
             auto table = makeCardTable(source);
             host->addSubview(table);
             table->layoutIfNeeded();
             return table;
         }},
    };
    expectRowsGoAway(makers);
}
