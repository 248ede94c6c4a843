#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"

using namespace celltest;
using platform::UIControlState;
using tavro::TAVROSwitchCellView;

namespace {

class SwitchRowTest : public CellTest {
protected:
    void SetUp() override
    {
        CellTest::SetUp();
        session()->setActiveSessionType(TavroActiveFlow::requestPayment);
        row = NSObject::create<TAVROSwitchCellView>(CGRect(0, 0, 375, 212));
        row->setCellType(CellType::storeID);
        row->inputCell()->setCellType(CellType::storeID);
        row->setSwitchCellDelegate(owner);
        window = show(row);
    }
    const std::string& fieldText() const { return row->inputCell()->inputTextField()->text(); }
    bool ownRule(std::optional<std::string> text) { return row->isVaildData(*row->inputCell(), text); }

    std::shared_ptr<TAVROSwitchCellView> row;
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(SwitchRowTest, LayoutAndTitles)
{
    EXPECT_EQ(row->leftLabel()->frame(), CGRect(16, 24, 303, 24));
    EXPECT_EQ(row->rightSwitch()->frame().origin.x, 319);
    EXPECT_DOUBLE_EQ(row->rightSwitch()->frame().midY(), row->leftLabel()->frame().midY());
    EXPECT_EQ(row->inputCell()->frame(), CGRect(0, 72, 375, 70));
    EXPECT_EQ(row->msgBG()->frame(), CGRect(0, 142, 375, 72));

    row->setTopLeftTitle("Store ID");
    EXPECT_EQ(row->leftLabel()->text(), "Store ID");
    EXPECT_EQ(row->inputCell()->titleBtn()->title(UIControlState::normal), "Set Store ID");
    EXPECT_EQ(row->inputCell()->invaildTitleString(), "Invalid Store ID");
    EXPECT_EQ(row->msgLabel()->text(),
              "If Store ID is not set, customer will have to enter it when they are paying from their app.");
    row->setInputString("S-42");
    EXPECT_EQ(fieldText(), "S-42");
}

TEST_F(SwitchRowTest, RequestFlowRuleAndOwnerBothDecide)
{
    EXPECT_TRUE(ownRule(std::string(26, 'a')));
    EXPECT_FALSE(ownRule(std::string(27, 'a')));
    EXPECT_FALSE(ownRule("   "));
    EXPECT_TRUE(ownRule(""));
    EXPECT_TRUE(ownRule(std::nullopt));
    // The owner is asked even when the row's rule refused, and can refuse on its own.
    EXPECT_EQ(owner->asked.size(), 5u);
    // Lengths count code points: 13 Devanagari "ni" are 26, and one letter more 27.
    std::string ni;
    for (int i = 0; i < 13; ++i)
        ni += "\xE0\xA4\xA8\xE0\xA4\xBF";
    EXPECT_FALSE(ownRule(ni + "a"));
    owner->verdict = [](const auto& text) { return text != "no"; };
    EXPECT_FALSE(ownRule("no"));

    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    EXPECT_TRUE(ownRule(std::string(27, 'a')));
    EXPECT_TRUE(ownRule("   "));

    // Without an owner the row's rule alone answers.
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    row->setSwitchCellDelegate({});
    EXPECT_FALSE(ownRule(std::string(27, 'a')));
    EXPECT_TRUE(ownRule("ok"));
}

TEST_F(SwitchRowTest, EmptyValuesReachTheOwnerAsTheCustomerMarker)
{
    ASSERT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    row->cellViewType(CellType::storeID, std::string(), false);
    row->cellViewType(CellType::storeID, std::nullopt, true);
    row->cellViewType(CellType::storeID, std::string("S1"), false);
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    row->cellViewType(CellType::storeID, std::string(), true);
    // Switched off in the request flow, the field's reports are dropped.
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    ASSERT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    row->cellViewType(CellType::storeID, std::string("S2"), true);
    EXPECT_EQ(owner->reports, (std::vector<Report>{
                                  {CellType::storeID, "***", true},
                                  {CellType::storeID, "***", true},
                                  {CellType::storeID, std::nullopt, true},
                                  {CellType::storeID, "S1", false},
                                  {CellType::storeID, "", true},
                                  {CellType::storeID, "***", false},
                              }));
}

TEST_F(SwitchRowTest, TogglingReportsTheMarkerWithTheSwitchState)
{
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    EXPECT_EQ(owner->asked.back(), "***");
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::storeID, "***", true}}));

    row->inputCell()->inputTextField()->setText("S-9");
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    EXPECT_EQ(fieldText(), "");
    EXPECT_EQ(owner->asked.back(), std::nullopt);
    EXPECT_EQ(owner->reports.back(), (Report{CellType::storeID, "***", false}));

    // Switched off while showing an error, the field is reset to a valid look at rest, unreported;
    // on again it shows no error.
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    ASSERT_TRUE(driver.focus(row->inputCell()->inputTextField()));
    driver.type("  ");
    ASSERT_FALSE(row->inputCell()->isVaildCell());
    owner->reports.clear();
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    driver.advanceBy(0.3);
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::storeID, "***", false}}));
    EXPECT_TRUE(row->inputCell()->isVaildCell());
    EXPECT_EQ(row->inputCell()->colorStatusBar()->frame().size.width, 0);
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    EXPECT_FALSE(row->inputCell()->titleBtn()->image(UIControlState::normal));
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));

    // A refused switch-on snaps back off with the field emptied and no report.
    owner->reports.clear();
    owner->verdict = [](const auto& text) { return text != "***"; };
    row->inputCell()->inputTextField()->setText("left over");
    driver.toggleSwitch(row->rightSwitch());
    EXPECT_FALSE(row->rightSwitch()->isOn());
    EXPECT_EQ(fieldText(), "");
    EXPECT_TRUE(owner->reports.empty());
}

TEST_F(SwitchRowTest, DisablingDimsOnlyAnOffSwitch)
{
    row->disableSwitch(true);
    EXPECT_EQ(row->leftLabel()->alpha(), 0.4);
    EXPECT_FALSE(driver.toggleSwitch(row->rightSwitch()));
    row->disableSwitch(false);
    EXPECT_EQ(row->leftLabel()->alpha(), 1);
    EXPECT_TRUE(driver.toggleSwitch(row->rightSwitch()));
    row->disableSwitch(true);
    EXPECT_EQ(row->leftLabel()->alpha(), 1);
    EXPECT_TRUE(row->rightSwitch()->isUserInteractionEnabled());
}
