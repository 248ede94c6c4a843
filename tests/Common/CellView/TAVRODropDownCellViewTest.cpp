// The currency drop-down rows: the FX row locked and unlocked as the payment form makes them,
// the two looks a tap toggles and the delegate calls, and the plain row from its nib.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXDropDownCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

using namespace celltest;
using tavro::TAVRODropDownCellView;
using tavro::TAVROFXDropDownCellView;

namespace {

class CountingDropDownOwner : public tavro::TAVRODropDownCellDelegate {
public:
    int taps = 0;
    void didSelectDropDownBtnAction() override { ++taps; }
};

class DropDownTest : public CellTest {
protected:
    // Made and bound as the payment form does: 98 high, at the right of a 375-point container.
    std::shared_ptr<TAVROFXDropDownCellView> fxRow(bool locked)
    {
        const double width = locked ? 88 : 108;
        auto row = NSObject::create<TAVROFXDropDownCellView>(CGRect(375 - width, 0, width, 98), locked);
        row->setDropDownCellDelegate(dropDownOwner);
        row->setCellType(CellType::paymentAmount);
        row->setInputTextFieldString("INR");
        row->setTitleString("");
        window = show(row);
        return row;
    }
    static bool barShown(const TAVRODropDownCellView& row) { return row.colorStatusBar()->frame().size.width > 0; }

    std::shared_ptr<CountingDropDownOwner> dropDownOwner = std::make_shared<CountingDropDownOwner>();
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(DropDownTest, UnlockedRowTogglesItsLookAndTellsTheOwner)
{
    auto row = fxRow(false);
    // Field 68 wide beside a 40-point chevron, both on the line under the title; the row 2 shorter.
    EXPECT_EQ(row->inputTextField()->frame(), CGRect(0, 46, 68, 26));
    EXPECT_EQ(row->plusBtn()->frame(), CGRect(68, 46, 40, 26));
    EXPECT_EQ(row->frame(), CGRect(267, 0, 108, 96));
    EXPECT_EQ(row->inputTextField()->text(), "INR");
    EXPECT_EQ(row->inputTextField()->textAlignment(), platform::NSTextAlignment::center);
    // Later passes use the row metrics 15 and 16; the frames built with 10 and 26 stay.
    EXPECT_EQ(row->topTitleGap(), 15);
    EXPECT_EQ(row->titleHeight(), 16);

    const auto grey = tavro::colorWithHexString("#F2F4F8");
    const auto& chevron = row->plusBtn();
    EXPECT_EQ(chevron->currentImage(), chevron->image(platform::UIControlState::normal));
    ASSERT_TRUE(driver.tap(TAVRODropDownCellView::tapTargetIdentifier));
    driver.advanceBy(1);
    EXPECT_TRUE(chevron->isSelected());
    EXPECT_EQ(chevron->currentImage(), chevron->image(platform::UIControlState::selected));
    EXPECT_TRUE(platform::isEqual(row->backgroundColor(), platform::UIColor::white()));
    EXPECT_TRUE(barShown(*row));
    EXPECT_EQ(dropDownOwner->taps, 1);
    EXPECT_EQ(driver.focusedTextField(), nullptr); // the field never takes focus

    ASSERT_TRUE(driver.tap(TAVRODropDownCellView::tapTargetIdentifier));
    driver.advanceBy(1);
    EXPECT_FALSE(chevron->isSelected());
    EXPECT_TRUE(platform::isEqual(row->backgroundColor(), grey));
    EXPECT_TRUE(platform::isEqual(row->titleBtn()->titleColor(platform::UIControlState::normal),
                                  tavro::colorWithHexString("#15195A")));
    EXPECT_FALSE(barShown(*row));
    EXPECT_EQ(dropDownOwner->taps, 2);

    // The owner closes an open row without being called back.
    driver.tap(TAVRODropDownCellView::tapTargetIdentifier);
    row->resetCell();
    driver.advanceBy(1);
    EXPECT_FALSE(chevron->isSelected());
    EXPECT_TRUE(platform::isEqual(row->backgroundColor(), grey));
    EXPECT_FALSE(barShown(*row));
    EXPECT_EQ(dropDownOwner->taps, 3);

    // Without an owner a tap only toggles the look.
    dropDownOwner.reset();
    driver.tap(TAVRODropDownCellView::tapTargetIdentifier);
    EXPECT_TRUE(chevron->isSelected());
}

TEST_F(DropDownTest, LockedRowShowsTheCodeAcrossAndIgnoresTaps)
{
    auto row = fxRow(true);
    EXPECT_TRUE(row->isLocked());
    EXPECT_TRUE(row->virtualBtn()->isHidden());
    EXPECT_EQ(row->inputTextField()->frame(), CGRect(0, 46, 88, 26));
    EXPECT_EQ(row->plusBtn()->frame().size.width, 0);
    EXPECT_EQ(row->inputTextField()->textAlignment(), platform::NSTextAlignment::center);

    EXPECT_FALSE(driver.tap(TAVRODropDownCellView::tapTargetIdentifier));
    driver.tapAt({375 - 44, 50});
    EXPECT_FALSE(row->plusBtn()->isSelected());
    EXPECT_EQ(dropDownOwner->taps, 0);
    EXPECT_EQ(driver.focusedTextField(), nullptr);
}

TEST_F(DropDownTest, PlainRowFromItsNib)
{
    // From its nib: nothing until the first pass, then the same frames a row made in code gets.
    auto archived = NSObject::create<TAVRODropDownCellView>(CGRect(0, 0, 120, 70), TAVRODropDownCellView::fromArchive);
    EXPECT_FALSE(archived->plusBtn());
    archived->setDropDownCellDelegate(dropDownOwner);
    window = show(archived);
    ASSERT_TRUE(archived->plusBtn());
    EXPECT_EQ(archived->plusBtn()->frame(), CGRect(70, 10, 50, 50));
    EXPECT_EQ(archived->inputTextField()->frame(), CGRect(16, 37, 53, 20));
    EXPECT_EQ(archived->virtualBtn()->frame(), CGRect(0, 0, 120, 68));
    EXPECT_FALSE(archived->inputTextField()->isUserInteractionEnabled());
    ASSERT_TRUE(driver.tap(TAVRODropDownCellView::tapTargetIdentifier));
    EXPECT_TRUE(archived->plusBtn()->isSelected());
    EXPECT_EQ(dropDownOwner->taps, 1);
}
