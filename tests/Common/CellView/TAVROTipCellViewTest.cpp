// The tip row in a form: its percentage buttons, the add button, and the row opening while the
// field is edited and closing after it on the manual clock.

#include "Common/CellView/AmountRowTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROTipCellView.h"

using namespace celltest;
using tavro::TAVROTipCellView;

namespace {

class TipOwner : public RecordingOwner {
public:
    std::vector<double> tips;
    void didChangeTipsAmount(tavro::TAVROCellView&, double tipsAmount) override { tips.push_back(tipsAmount); }
};

class TipCellTest : public AmountRowTest {
protected:
    std::shared_ptr<TAVROTipCellView> makeRow()
    {
        auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
        auto row = pinnedTipRow(host);
        row->setCellViewDelegate(tipOwner);
        window = show(host);
        return row;
    }

    std::shared_ptr<TipOwner> tipOwner = std::make_shared<TipOwner>();
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(TipCellTest, ButtonsAndAddButtonGeometry)
{
    // As built; the layout pass later rounds the frames to the pixel grid.
    auto row = NSObject::create<TAVROTipCellView>(CGRect(0, 0, 375, 70));
    const std::vector<std::shared_ptr<platform::UIButton>> buttons = {row->fiveBtn(), row->tenBtn(), row->fifteenBtn(),
                                                                      row->twentyBtn()};
    const double xs[] = {10, 101.25, 192.5, 283.75};
    const char* titles[] = {"5 %", "10 %", "15 %", "20 %"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i]->frame(), CGRect(xs[i], 10, 81.25, 44));
        EXPECT_EQ(buttons[i]->superview(), row->tipBaseView());
        EXPECT_EQ(buttons[i]->title(platform::UIControlState::normal), titles[i]);
    }
    EXPECT_EQ(row->tipBaseView()->frame(), CGRect(0, 68, 375, 64));
    EXPECT_TRUE(row->clipsToBounds());
    EXPECT_EQ(row->plusBtn()->frame(), CGRect(325, 10, 50, 50));

    // The add button keeps to the screen's right edge in a narrower row.
    auto narrow = NSObject::create<TAVROTipCellView>(CGRect(0, 0, 320, 70));
    EXPECT_EQ(narrow->plusBtn()->frame(), CGRect(325, 10, 50, 50));
    EXPECT_EQ(narrow->twentyBtn()->frame().maxX(), 310);

    // A tag outside the four makes a working button that is kept nowhere and never deselected.
    row->addButtonToView(25, 0, 40);
    auto extra = std::dynamic_pointer_cast<platform::UIButton>(row->tipBaseView()->viewWithTag(25));
    ASSERT_TRUE(extra);
    row->setCellViewDelegate(tipOwner);
    extra->sendActions(platform::UIControlEvents::touchUpInside);
    EXPECT_EQ(tipOwner->tips, std::vector<double>{25.0});
    row->deSelectAll();
    EXPECT_TRUE(extra->isSelected());
}

TEST_F(TipCellTest, PercentagesTypingAndTheAddButton)
{
    auto row = makeRow();
    EXPECT_EQ(row->lastBtn(), row->twentyBtn()); // the buttons' constraints were made once
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(row->heightConstraint()->constant(), 134);
    EXPECT_EQ(row->frame().size.height, 134);
    EXPECT_EQ(row->plusBtn()->transform(), platform::CGAffineTransform::makeRotation(40));

    ASSERT_TRUE(driver.tap(row->fifteenBtn()));
    EXPECT_EQ(tipOwner->tips, std::vector<double>{15.0});
    EXPECT_TRUE(row->fifteenBtn()->isSelected());
    ASSERT_TRUE(driver.tap(row->twentyBtn()));
    EXPECT_EQ(tipOwner->tips, (std::vector<double>{15.0, 20.0}));
    EXPECT_FALSE(row->fifteenBtn()->isSelected());
    EXPECT_TRUE(row->twentyBtn()->isSelected());

    // Typing clears the look but not the choice.
    EXPECT_EQ(driver.type("5"), 1u);
    EXPECT_EQ(row->inputTextField()->text(), "INR 0.05");
    EXPECT_FALSE(row->twentyBtn()->isSelected());
    row->calculateTips();
    EXPECT_EQ(tipOwner->tips.back(), 20.0);

    // The add button forgets the choice and reports an empty, valid tip whatever the owner says.
    tipOwner->verdict = [](const auto&) { return false; };
    ASSERT_TRUE(driver.tap(row->plusBtn()));
    EXPECT_EQ(row->inputTextField()->text(), "");
    EXPECT_EQ(tipOwner->asked.back(), std::optional<std::string>(""));
    EXPECT_EQ(tipOwner->reports.back(), (Report{CellType::addTip, "", true}));
    EXPECT_TRUE(row->inputTextField()->isEditing());
    const auto tips = tipOwner->tips.size();
    row->calculateTips();
    EXPECT_EQ(tipOwner->tips.size(), tips);

    // A pasted whole amount is that amount, and clears the look as typing does.
    ASSERT_TRUE(driver.tap(row->fiveBtn()));
    driver.paste("12.5");
    EXPECT_EQ(row->inputTextField()->text(), "INR 12.50");
    EXPECT_FALSE(row->fiveBtn()->isSelected());
    EXPECT_FALSE(driver.paste("12.5.0"));
    EXPECT_EQ(row->inputTextField()->text(), "INR 12.50");
}

TEST_F(TipCellTest, OpensWhileEditingAndClosesOnTheClock)
{
    auto row = makeRow();
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(driver.type("5"), 1u);
    EXPECT_EQ(driver.backspace(), 1u);
    platform::UIView::clearAnimationLog();
    ASSERT_TRUE(driver.pressDone());

    // A zero amount empties the field; the row closes 0.1 s later over 0.25 s.
    EXPECT_EQ(row->inputTextField()->text(), "");
    EXPECT_EQ(row->heightConstraint()->constant(), 70);
    const auto& log = platform::UIView::animationLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().delay, 0.1);
    EXPECT_EQ(log.back().duration, 0.25);
    EXPECT_GT(platform::UIView::pendingAnimationCount(), 0u);
    driver.advanceBy(0.35);
    EXPECT_EQ(platform::UIView::pendingAnimationCount(), 0u);
    EXPECT_EQ(row->frame().size.height, 70);
    EXPECT_TRUE(row->plusBtn()->transform().isIdentity());

    // The owner may set an amount with a code; an empty code leaves the field empty.
    row->setAmount("5.00", "INR");
    EXPECT_EQ(row->inputTextField()->text(), "INR 5.00");
    row->setAmount("5.00", "");
    EXPECT_EQ(row->inputTextField()->text(), "");

    // A typed tip reads back in its currency's locale.
    useCurrency("752");
    ASSERT_TRUE(driver.focus(row->inputTextField()));
    EXPECT_EQ(driver.type("123456"), 6u);
    EXPECT_EQ(row->amountValue(), 1234.56);
}
