// 1,000 create-bind-destroy cycles of every row: nothing stays alive (no cycle through owners,
// targets, toolbars or animations) and no observer is left behind.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/MessageTemplate.h"
#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"

using namespace celltest;
using platform::UIViewPtr;

TEST_F(CellTest, EveryRowGoesAwayWithItsForm)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto screen = NSObject::create<platform::UIViewController>();
    // Each maker creates a row, binds it, adds it to `host` and exercises it.
    const std::vector<std::pair<const char*, RowMaker>> makers = {
        {"input",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROInputCellView>(CGRect(0, 0, 375, 70));
             row->setCellViewDelegate(owner);
             row->setCellObject(NSObject::create<tavro::TAVROPaymentCellModel>(CellType::billNumber,
                                                                               std::string("Bill"), std::string("B")));
             host->addSubview(row);
             row->layoutIfNeeded();
             row->textFieldShouldBeginEditing(*row->inputTextField());
             row->clearTextField();
             return row;
         }},
        {"switch",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROSwitchCellView>(CGRect(0, 0, 375, 212));
             row->setSwitchCellDelegate(owner);
             row->setTopLeftTitle("Store ID");
             host->addSubview(row);
             row->layoutIfNeeded();
             row->rightSwitch()->setOn(true);
             row->rightSwitch()->sendActions(platform::UIControlEvents::valueChanged);
             return row;
         }},
        {"qr",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROQrImageCellView>(CGRect(0, 0, 120, 120));
             host->addSubview(row);
             row->setQrCodeTlv("000201010211");
             row->layoutIfNeeded();
             return row;
         }},
        {"reset",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROButtonCellView>(CGRect(0, 0, 375, 72));
             row->setButtonCellDelegate(owner);
             host->addSubview(row);
             row->rightButton()->sendActions(platform::UIControlEvents::touchUpInside);
             return row;
         }},
        {"message",
         [&](const UIViewPtr& host) {
             auto row = NSObject::create<tavro::TAVROMessageCellView>(CGRect(0, 0, 375, 40));
             row->setViewController(screen);
             row->setBoaldStr("Asha");
             row->setMessageStr(tavro::fillMessageTemplate("Pay %@", "Asha"));
             host->addSubview(row);
             row->layoutIfNeeded();
             return row;
         }},
    };
    expectRowsGoAway(makers);
}
