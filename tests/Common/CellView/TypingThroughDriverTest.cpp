// A merchant typing into rows: keystrokes go through the text-field pipeline, the owner is asked
// about the text right after each one, and the looks follow its answers.

#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

using namespace celltest;
using platform::UIControlState;
using tavro::TAVROInputCellView;
using tavro::TAVROSwitchCellView;

namespace {

// The form's rule for optional fields: fewer than 26 characters.
bool formRule(const std::optional<std::string>& text)
{
    return !text || text->size() < 26;
}

bool showsError(const tavro::TAVROCellView& row)
{
    return !row.isVaildCell() && platform::isEqual(row.colorStatusBar()->backgroundColor(), tavro::errorRedColor()) &&
           row.colorStatusBar()->frame().size.width == row.frame().size.width &&
           platform::isEqual(row.titleBtn()->titleColor(UIControlState::normal), tavro::errorRedColor());
}

bool showsFocus(const tavro::TAVROCellView& row)
{
    return row.isVaildCell() && platform::isEqual(row.backgroundColor(), platform::UIColor::white()) &&
           row.colorStatusBar()->frame().size.width == row.frame().size.width &&
           platform::isEqual(row.titleBtn()->titleColor(UIControlState::normal), row.titleDefaultColor());
}

} // namespace

TEST_F(CellTest, TypingIntoABoundInputRow)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto row = NSObject::create<TAVROInputCellView>(CGRect(0, 0, 375, 70));
    row->setCellType(CellType::billNumber);
    row->setCellViewDelegate(owner);
    row->setCellObject(
        NSObject::create<tavro::TAVROPaymentCellModel>(CellType::billNumber, std::string("Bill Number"), std::nullopt));
    owner->verdict = formRule;
    auto window = show(row);

    EXPECT_EQ(driver.typeInto("billNumberTextField", "INV-"), 4u);
    EXPECT_EQ(owner->asked, (std::vector<std::optional<std::string>>{"I", "IN", "INV", "INV-"}));
    EXPECT_TRUE(showsFocus(*row));
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Set Bill Number");

    EXPECT_EQ(driver.type(std::string(21, '7')), 21u);
    EXPECT_TRUE(showsFocus(*row));
    // The 26th character is shown with the error look, the 27th refused.
    EXPECT_EQ(driver.type("89"), 1u);
    EXPECT_EQ(owner->asked.back()->size(), 26u);
    EXPECT_TRUE(showsError(*row));
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Invalid Bill Number");

    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_TRUE(showsFocus(*row));
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Set Bill Number");
    EXPECT_TRUE(driver.pressDone());
    EXPECT_EQ(owner->reports.back(), (Report{CellType::billNumber, "INV-" + std::string(21, '7'), true}));
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);
}

TEST_F(CellTest, TypingIntoASwitchRow)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto row = NSObject::create<TAVROSwitchCellView>(CGRect(0, 0, 375, 212));
    row->setCellType(CellType::referenceID);
    row->inputCell()->setCellType(CellType::referenceID);
    row->setTopLeftTitle("Reference ID");
    row->rightSwitch()->setAccessibilityIdentifier("referenceIDSwitch");
    row->setSwitchCellDelegate(owner);
    owner->verdict = formRule;
    auto window = show(row);

    EXPECT_TRUE(driver.toggleSwitch("referenceIDSwitch"));
    EXPECT_EQ(owner->reports.back(), (Report{CellType::referenceID, "***", true}));
    const auto& input = *row->inputCell();
    ASSERT_TRUE(driver.focus(input.inputTextField()));
    EXPECT_EQ(owner->touched.back(), CellType::referenceID);
    EXPECT_EQ(driver.type(std::string(26, 'r')), 26u);
    // The row's own rule takes 26 characters; the form does not, so the error look shows.
    EXPECT_TRUE(showsError(input));
    EXPECT_EQ(input.titleBtn()->title(UIControlState::normal), "Invalid Reference ID");

    // Emptied and left, the field stands for the customer's entry.
    row->inputCell()->inputTextField()->userSelect({0, 26});
    EXPECT_EQ(driver.backspace(), 1u);
    EXPECT_TRUE(showsFocus(input));
    EXPECT_TRUE(driver.pressDone());
    EXPECT_EQ(owner->reports.back(), (Report{CellType::referenceID, "***", true}));
}
