#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

using namespace celltest;
using tavro::TAVROButtonCellView;

TEST_F(CellTest, ResetRowReportsItsKindToItsOwner)
{
    auto row = NSObject::create<TAVROButtonCellView>(CGRect(0, 0, 375, 72));
    EXPECT_EQ(row->leftLabel()->frame(), CGRect(16, 26, 253, 20));
    EXPECT_EQ(row->rightButton()->frame(), CGRect(269, 26, 90, 20));
    EXPECT_EQ(row->leftLabel()->text(), "Additional Settings");
    EXPECT_TRUE(row->leftLabel()->font()->isBold());
    EXPECT_EQ(row->rightButton()->title(platform::UIControlState::normal), "Reset");
    EXPECT_TRUE(platform::isEqual(row->rightButton()->titleColor(platform::UIControlState::normal),
                                  tavro::colorWithHexString("#003EA9")));
    EXPECT_TRUE(row->rightButton()->titleLabel()->adjustsFontSizeToFitWidth());
    auto window = show(row);
    EXPECT_EQ(row->rightButton()->frame(), CGRect(269, 26, 90, 20));

    // No owner: nothing happens. Left unset the kind is none.
    EXPECT_TRUE(driver.tap(row->rightButton()));
    row->setButtonCellDelegate(owner);
    EXPECT_TRUE(driver.tap(row->rightButton()));
    row->setCellType(CellType::resetButton);
    EXPECT_TRUE(driver.tap(row->rightButton()));
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::none, "", true}, {CellType::resetButton, "", true}}));
}
