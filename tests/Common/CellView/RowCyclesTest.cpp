// 1,000 create-bind-destroy cycles of every row: nothing stays alive (no cycle through owners,
// targets, toolbars or animations) and no observer or timer is left behind.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/MessageTemplate.h"
#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "platform/foundation/NotificationCenter.h"

#include <functional>

using namespace celltest;

namespace {

constexpr int kCycles = 1000;

class RowCyclesTest : public CellTest {
protected:
    // Runs `cycle` kCycles times with `host` as the parent; each returns the row it made and
    // dropped, which must be gone once the run loop and animations have finished.
    void cycles(const std::function<std::weak_ptr<platform::UIView>(const platform::UIViewPtr& host)>& cycle)
    {
        auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
        auto window = show(host);
        const auto observers = platform::NotificationCenter::defaultCenter().observerCount();
        std::vector<std::weak_ptr<platform::UIView>> made;
        made.reserve(kCycles);
        for (int i = 0; i < kCycles; ++i)
            made.push_back(cycle(host));
        driver.advanceBy(1);
        int alive = 0;
        for (const auto& row : made)
            alive += !row.expired();
        EXPECT_EQ(alive, 0);
        EXPECT_EQ(platform::NotificationCenter::defaultCenter().observerCount(), observers);
        EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);
        EXPECT_TRUE(host->subviews().empty());
    }

    std::shared_ptr<tavro::TAVROPaymentCellModel> model(CellType type, const char* value)
    {
        return NSObject::create<tavro::TAVROPaymentCellModel>(type, std::string("Bill Number"), std::string(value));
    }
};

} // namespace

TEST_F(RowCyclesTest, InputRows)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    cycles([&](const platform::UIViewPtr& host) {
        auto row = NSObject::create<tavro::TAVROInputCellView>(CGRect(0, 0, 375, 70));
        row->setCellViewDelegate(owner);
        row->setCellObject(model(CellType::billNumber, "B-1"));
        host->addSubview(row);
        row->layoutIfNeeded();
        row->textFieldShouldBeginEditing(*row->inputTextField());
        row->textFieldDidChange(*row->inputTextField());
        row->clearTextField();
        row->removeFromSuperview();
        return std::weak_ptr<platform::UIView>(row);
    });
}

TEST_F(RowCyclesTest, SwitchRows)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    cycles([&](const platform::UIViewPtr& host) {
        auto row = NSObject::create<tavro::TAVROSwitchCellView>(CGRect(0, 0, 375, 212));
        row->setSwitchCellDelegate(owner);
        row->setTopLeftTitle("Store ID");
        host->addSubview(row);
        row->layoutIfNeeded();
        row->rightSwitch()->setOn(true);
        row->rightSwitch()->sendActions(platform::UIControlEvents::valueChanged);
        row->removeFromSuperview();
        return std::weak_ptr<platform::UIView>(row);
    });
}

TEST_F(RowCyclesTest, QrButtonAndMessageRows)
{
    cycles([&](const platform::UIViewPtr& host) {
        auto row = NSObject::create<tavro::TAVROQrImageCellView>(CGRect(0, 0, 120, 120));
        host->addSubview(row);
        row->setQrCodeTlv("000201010211");
        row->layoutIfNeeded();
        row->removeFromSuperview();
        return std::weak_ptr<platform::UIView>(row);
    });
    cycles([&](const platform::UIViewPtr& host) {
        auto row = NSObject::create<tavro::TAVROButtonCellView>(CGRect(0, 0, 375, 72));
        row->setButtonCellDelegate(owner);
        row->setCellType(CellType::resetButton);
        host->addSubview(row);
        row->rightButton()->sendActions(platform::UIControlEvents::touchUpInside);
        row->removeFromSuperview();
        return std::weak_ptr<platform::UIView>(row);
    });
    auto screen = NSObject::create<platform::UIViewController>();
    cycles([&](const platform::UIViewPtr& host) {
        auto row = NSObject::create<tavro::TAVROMessageCellView>(CGRect(0, 0, 375, 40));
        row->setViewController(screen);
        row->setBoaldStr("Asha");
        row->setMessageStr(tavro::fillMessageTemplate("Pay %@", "Asha"));
        host->addSubview(row);
        row->layoutIfNeeded();
        row->removeFromSuperview();
        return std::weak_ptr<platform::UIView>(row);
    });
}
