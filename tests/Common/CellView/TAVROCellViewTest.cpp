#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/ui/UIToolbar.h"

using namespace celltest;
using platform::UIColor;
using platform::UIControlState;
using tavro::TAVROCellView;
using tavro::TAVROPaymentCellModel;

namespace {

// The smallest concrete row: a field and a plus button, as the entry rows make them.
class FieldRow : public TAVROCellView {
public:
    using TAVROCellView::TAVROCellView;
    void prepareView() override
    {
        TAVROCellView::prepareView();
        if (inputTextField())
            return;
        auto field = NSObject::create<platform::UITextField>(CGRect(16, 37, frame().size.width - 67, 20));
        field->setPlaceholder(placehoderString());
        field->setDelegate(weakFromThis<TAVROCellView>());
        field->addTarget(sharedFromThis<TAVROCellView>(), &TAVROCellView::textFieldDidChange,
                         platform::UIControlEvents::editingChanged);
        addDoneButtonOn(field);
        addSubview(field);
        setInputTextField(field);
        auto plus = NSObject::create<platform::UIButton>(CGRect(frame().size.width - 50, 10, 50, 50));
        addSubview(plus);
        setPlusBtn(plus);
    }
};

std::shared_ptr<FieldRow> makeRow() { return NSObject::create<FieldRow>(CGRect(0, 0, 375, 70)); }

std::shared_ptr<TAVROPaymentCellModel> model(CellType type, std::optional<std::string> title,
                                             std::optional<std::string> value)
{
    return NSObject::create<TAVROPaymentCellModel>(type, std::move(title), std::move(value));
}

bool sameColor(const platform::UIColorPtr& a, const platform::UIColorPtr& b) { return platform::isEqual(a, b); }

} // namespace

TEST_F(CellTest, BaseRowGeometryBeforeAndAfterLayout)
{
    auto row = makeRow();
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 343, 26));
    EXPECT_EQ(row->statusBarBaseView()->frame(), CGRect(0, 68, 375, 2));
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);
    EXPECT_TRUE(sameColor(row->backgroundColor(), tavro::colorWithHexString("#F2F4F8")));
    EXPECT_TRUE(sameColor(row->titleBtn()->titleColor(UIControlState::normal), tavro::colorWithHexString("#15195A")));

    // The frozen constraints keep the frames through a layout pass, and follow a wider row.
    row->setTranslatesAutoresizingMaskIntoConstraints(true);
    auto window = show(row);
    EXPECT_TRUE(row->didSetConstraints());
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 343, 26));
    EXPECT_EQ(row->statusBarBaseView()->frame(), CGRect(0, 68, 375, 2));
    row->setFrame(CGRect(0, 0, 320, 70));
    driver.runUntilIdle();
    EXPECT_EQ(row->titleBtn()->frame(), CGRect(16, 10, 288, 26));
    EXPECT_EQ(row->statusBarBaseView()->frame(), CGRect(0, 68, 320, 2));

    // A row loaded from an archive builds on its first constraint pass.
    auto archived = NSObject::create<FieldRow>(CGRect(0, 0, 375, 70), TAVROCellView::fromArchive);
    EXPECT_FALSE(archived->titleBtn());
    archived->updateConstraintsIfNeeded();
    ASSERT_TRUE(archived->titleBtn());
    EXPECT_TRUE(archived->inputTextField());
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

TEST_F(CellTest, ErrorLookColoursAndInvalidTitles)
{
    auto row = makeRow();
    row->setCellViewDelegate(owner);
    row->setTitleString("Bill Number");
    owner->verdict = [](const auto&) { return false; };
    row->textFieldDidChange(*row->inputTextField());

    EXPECT_FALSE(row->isVaildCell());
    EXPECT_TRUE(sameColor(row->backgroundColor(), UIColor::white()));
    EXPECT_TRUE(sameColor(row->colorStatusBar()->backgroundColor(), tavro::errorRedColor()));
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 375);
    EXPECT_TRUE(sameColor(row->titleBtn()->titleColor(UIControlState::normal), tavro::errorRedColor()));
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Invalid Bill Number");
    ASSERT_TRUE(row->titleBtn()->image(UIControlState::normal));
    EXPECT_EQ(row->titleBtn()->image(UIControlState::normal)->renderingMode(),
              platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_TRUE(sameColor(row->titleBtn()->tintColor(), tavro::errorRedColor()));

    // The tip row has its own message; ending editing keeps the error look and its full bar.
    row->setTitleString("Add Tip");
    row->errorStateTheme();
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Invalid Tip");
    row->textFieldDidEndEditing(*row->inputTextField());
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 375);
    EXPECT_EQ(owner->reports.back(), (Report{CellType::none, "", false}));
}

TEST_F(CellTest, FocusTitlesPerFlow)
{
    auto row = makeRow();
    row->setTitleString("Bill Number");
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    row->focusStateTheme();
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Set Bill Number");
    EXPECT_TRUE(sameColor(row->colorStatusBar()->backgroundColor(),
                          session()->internalConfiguration()->textFieldStatusColor()));
    // The composed title stays once editing ends valid.
    row->textFieldDidEndEditing(*row->inputTextField());
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Set Bill Number");
    EXPECT_EQ(row->colorStatusBar()->frame().size.width, 0);
    EXPECT_TRUE(sameColor(row->backgroundColor(), tavro::colorWithHexString("#F2F4F8")));

    row->setTitleString("Request Amount");
    row->focusStateTheme();
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Request Amount");

    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    row->setTitleString("Bill Number");
    row->focusStateTheme();
    EXPECT_EQ(row->titleBtn()->title(UIControlState::normal), "Bill Number");
}

TEST_F(CellTest, BindingReportsOnlyToAnOwnerSetBeforeIt)
{
    auto early = makeRow();
    early->setCellType(CellType::storeID);
    early->setCellViewDelegate(owner);
    early->setCellObject(model(CellType::storeID, "Store ID", "S-1"));
    EXPECT_EQ(owner->reports, (std::vector<Report>{{CellType::storeID, "S-1", true}}));
    EXPECT_EQ(early->titleBtn()->title(UIControlState::normal), "Store ID");
    EXPECT_EQ(early->inputTextField()->accessibilityIdentifier(), "storeIDTextField");
    EXPECT_EQ(early->isRequired(), std::optional<bool>(false));

    auto late = makeRow();
    late->setCellObject(model(CellType::storeID, "Store ID", "S-1"));
    late->setCellViewDelegate(owner);
    EXPECT_EQ(owner->reports.size(), 1u);
    EXPECT_FALSE(NSObject::create<FieldRow>(CGRect(0, 0, 375, 70))->isRequired());
}

TEST_F(CellTest, BindingPrefilledValuesPerFlow)
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
        row->setCellObject(model(CellType::billNumber, "Bill Number", std::string(c.value)));
        EXPECT_EQ(row->inputTextField()->text(), c.value);
        EXPECT_EQ(row->plusBtn()->isHidden(), c.plusHidden);
        EXPECT_EQ(row->inputTextField()->isEnabled(), c.fieldEnabled);
    }
    auto required = makeRow();
    auto requiredModel = model(CellType::billNumber, "Bill Number", std::nullopt);
    requiredModel->setIsRequired(true);
    EXPECT_EQ(required->inputTextField()->placeholder(), "Optional");
    required->setCellObject(requiredModel);
    EXPECT_EQ(required->inputTextField()->placeholder(), "Required");
    EXPECT_EQ(required->isRequired(), std::optional<bool>(true));
}

TEST_F(CellTest, ReturnKeyEndsEditingAndDoneResigns)
{
    auto row = makeRow();
    row->setCellViewDelegate(owner);
    auto window = show(row);
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(owner->touched, std::vector<CellType>{CellType::none});
    EXPECT_FALSE(row->textFieldShouldReturn(*row->inputTextField()));
    driver.runUntilIdle();
    EXPECT_FALSE(row->inputTextField()->isEditing());

    ASSERT_TRUE(driver.focus(row->inputTextField()));
    auto toolbar = std::dynamic_pointer_cast<platform::UIToolbar>(row->inputTextField()->inputAccessoryView());
    ASSERT_TRUE(toolbar);
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_TRUE(toolbar->items()[0]->isFlexibleSpace());
    EXPECT_EQ(toolbar->items()[1]->title(), "Done");
    EXPECT_TRUE(driver.pressDone());
    EXPECT_FALSE(row->inputTextField()->isEditing());
    EXPECT_EQ(owner->reports.size(), 2u);
}
