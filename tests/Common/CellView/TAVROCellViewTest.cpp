#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

using namespace celltest;
using platform::UIControlState;
using tavro::TAVROInputCellView;

namespace {

std::shared_ptr<TAVROInputCellView> makeRow()
{
    return NSObject::create<TAVROInputCellView>(CGRect(0, 0, 375, 70));
}

std::shared_ptr<tavro::TAVROPaymentCellModel> model(CellType type, std::optional<std::string> value)
{
    return NSObject::create<tavro::TAVROPaymentCellModel>(type, std::string("Store ID"), std::move(value));
}

std::optional<std::string> title(const TAVROInputCellView& row)
{
    return row.titleBtn()->title(UIControlState::normal);
}

} // namespace

TEST_F(CellTest, BaseRowGeometryFollowsItsWidth)
{
    // The base row alone: the input row's title stops short of its plus button.
    auto row = NSObject::create<tavro::TAVROCellView>(CGRect(0, 0, 375, 70));
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 343, 26));
    EXPECT_EQ(row->statusBarBaseView()->frame(), CGRect(0, 68, 375, 2));
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);

    auto window = show(row);
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 343, 26));
    row->setFrame(CGRect(0, 0, 320, 70));
    driver.runUntilIdle();
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 288, 26));
    EXPECT_EQ(row->statusBarBaseView()->frame(), CGRect(0, 68, 320, 2));
}

TEST_F(CellTest, StatusBarAnimatesOnlyWhenItsWidthChanges)
{
    auto row = makeRow();
    row->hideStatusBar();
    EXPECT_TRUE(platform::UIView::animationLog().empty());
    row->showStatusBar();
    row->showStatusBar();
    ASSERT_EQ(platform::UIView::animationLog().size(), 1u);
    EXPECT_EQ(platform::UIView::animationLog()[0].duration, 0.25);
    EXPECT_EQ(row->colorStatusBar()->frame(), CGRect(0, 0, 375, 2));
    row->hideStatusBar();
    EXPECT_EQ(platform::UIView::animationLog().size(), 2u);
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);
}

TEST_F(CellTest, FocusAndErrorTitlesPerFlow)
{
    auto row = makeRow();
    row->setTitleString("Bill Number");
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    row->focusStateTheme();
    EXPECT_EQ(title(*row), "Set Bill Number");
    EXPECT_TRUE(platform::isEqual(row->colorStatusBar()->backgroundColor(),
                                  session()->internalConfiguration()->textFieldStatusColor()));
    row->setTitleString("Request Amount");
    row->focusStateTheme();
    EXPECT_EQ(title(*row), "Request Amount");
    // The tip row has its own error title.
    row->setTitleString("Add Tip");
    row->setIsVaildCell(false);
    EXPECT_EQ(title(*row), "Invalid Tip");

    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    row->setTitleString("Bill Number");
    row->setIsVaildCell(true);
    EXPECT_EQ(title(*row), "Bill Number");
    EXPECT_FALSE(row->textFieldShouldReturn(*row->inputTextField()));
}

TEST_F(CellTest, BindingReportsOnlyToAnOwnerSetBeforeIt)
{
    auto early = makeRow();
    early->setCellType(CellType::storeID);
    early->setCellViewDelegate(owner);
    early->setCellObject(model(CellType::storeID, "S-1"));
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::storeID, "S-1", true}}));
    EXPECT_EQ(title(*early), "Store ID");
    EXPECT_EQ(early->inputTextField()->accessibilityIdentifier(), "storeIDTextField");

    auto late = makeRow();
    late->setCellObject(model(CellType::storeID, "S-1"));
    late->setCellViewDelegate(owner);
    EXPECT_EQ(owner->reports.size(), 1u);
}

TEST_F(CellTest, BindingPrefilledAndRequiredValuesPerFlow)
{
    struct Case {
        TavroActiveFlow flow;
        const char* value;
        bool plusHidden;
        bool fieldEnabled;
    };
    const Case cases[] = {
        {TavroActiveFlow::requestPayment, "B-7", true, true},
        {TavroActiveFlow::payMerchant, "B-7", true, false},
        {TavroActiveFlow::refundPayment, "B-7", false, true},
        {TavroActiveFlow::payMerchant, "", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.flow)) + " '" + c.value + "'");
        session()->setActiveSessionType(c.flow);
        auto row = makeRow();
        row->setCellObject(model(CellType::billNumber, std::string(c.value)));
        EXPECT_EQ(row->inputTextField()->text(), c.value);
        EXPECT_EQ(row->plusBtn()->isHidden(), c.plusHidden);
        EXPECT_EQ(row->inputTextField()->isEnabled(), c.fieldEnabled);
    }
    auto row = makeRow();
    auto required = model(CellType::billNumber, std::nullopt);
    required->setIsRequired(true);
    EXPECT_EQ(row->inputTextField()->placeholder(), "Optional");
    row->setCellObject(required);
    EXPECT_EQ(row->inputTextField()->placeholder(), "Required");
    EXPECT_EQ(row->isRequired(), std::optional<bool>(true));
}
