// The card list cell, made from its nib by a table: marks, the last-four line and its width,
// the plate's colour through highlights, and a cell made in code without outlets.

#include "Common/CellView/CardListTestSupport.h"
#include "Common/CellView/CellTestSupport.h"

using namespace celltest;
using tavro::ChangeCardTableViewCell;
using platform::IndexPath;

namespace {

class CardCellTest : public CellTest {
protected:
    void SetUp() override
    {
        CellTest::SetUp();
        source->cards = {card("4242", "Platinum", "", "#1869d6"), card("1234", "Gold", "Master Card", "#AA3300")};
        source->primaryIndex = 1;
        source->currentIndex = 1;
        table = makeCardTable(source);
        window = show(table);
    }
    std::shared_ptr<ChangeCardTableViewCell> cellAt(int row)
    {
        return std::dynamic_pointer_cast<ChangeCardTableViewCell>(table->cellForRow(IndexPath::forRow(row, 0)));
    }

    std::shared_ptr<CardListSource> source = std::make_shared<CardListSource>();
    std::shared_ptr<platform::UITableView> table;
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(CardCellTest, FreshCellFromTheNibShowsNoMark)
{
    auto fresh = std::dynamic_pointer_cast<ChangeCardTableViewCell>(table->dequeueReusableCell("kChangeCardCell"));
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->primaryCardImageView.lock()->isHidden());
    EXPECT_TRUE(fresh->selectedCardAccessoryImageView.lock()->isHidden());
    EXPECT_EQ(fresh->selectionStyle(), platform::UITableViewCellSelectionStyle::none);
    EXPECT_TRUE(platform::isEqual(fresh->backgroundColor(), platform::UIColor::clear()));
}

TEST_F(CardCellTest, SelfSizingRowsMeasureSeventyTwoPointsAtEveryWidth)
{
    for (double width : {375.0, 320.0}) {
        SCOPED_TRACE(width);
        table->setFrame(CGRect(0, 0, width, 300));
        table->reloadData();
        driver.runUntilIdle();
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(table->rectForRow(IndexPath::forRow(row, 0)).size.height, 72) << row;
            auto plate = cellAt(row)->cardBaseView.lock();
            EXPECT_EQ(plate->frame(), CGRect(16, 4, width - 32, 64)) << row;
        }
    }
}

TEST_F(CardCellTest, LastFourLineAndItsWidth)
{
    auto plain = cellAt(0);
    auto named = cellAt(1);
    ASSERT_TRUE(plain && named);
    EXPECT_EQ(plain->cardType.lock()->text(), "Platinum");
    EXPECT_EQ(plain->cardLastFourDigits.lock()->text(), " ...4242"); // an empty network keeps the blank
    EXPECT_EQ(named->cardLastFourDigits.lock()->text(), "Master Card ...1234");

    // Each label is exactly as wide as its one-line text, and the star follows it.
    const auto plainWidth = plain->lastFourWidthConstraint.lock()->constant();
    const auto namedWidth = named->lastFourWidthConstraint.lock()->constant();
    EXPECT_GT(plainWidth, 20);
    EXPECT_GT(namedWidth, plainWidth + 40);
    auto label = named->cardLastFourDigits.lock();
    EXPECT_EQ(label->frame().size.width, namedWidth);
    EXPECT_EQ(named->primaryCardImageView.lock()->frame().minX(), label->frame().maxX() + 6);

    // The card art takes the card's colour.
    auto art = named->transactionCardView.lock()->cardAnatomy.lock();
    EXPECT_TRUE(platform::isEqual(art->backgroundColor(), tavro::colorWithHexString("#AA3300")));
}

TEST_F(CardCellTest, MarksAndPlateColour)
{
    auto other = cellAt(0);
    auto chosen = cellAt(1);
    EXPECT_TRUE(other->primaryCardImageView.lock()->isHidden());
    EXPECT_TRUE(other->selectedCardAccessoryImageView.lock()->isHidden());
    EXPECT_FALSE(chosen->primaryCardImageView.lock()->isHidden());
    EXPECT_FALSE(chosen->selectedCardAccessoryImageView.lock()->isHidden());

    // A highlight repaints the plate whatever it showed: grey for other cards, white for the chosen.
    const auto grey = tavro::colorWithHexString("#F2F4F8");
    other->cardBaseView.lock()->setBackgroundColor(platform::UIColor::red());
    EXPECT_TRUE(driver.tap(other));
    EXPECT_TRUE(platform::isEqual(other->cardBaseView.lock()->backgroundColor(), grey));
    chosen->setHighlighted(true, false);
    EXPECT_TRUE(platform::isEqual(chosen->cardBaseView.lock()->backgroundColor(), platform::UIColor::white()));
    chosen->setHighlighted(false, false);
    EXPECT_TRUE(platform::isEqual(chosen->cardBaseView.lock()->backgroundColor(), platform::UIColor::white()));

    // Dropping the selection hides only its own mark.
    chosen->setIsCurrentTransactionCard(false);
    EXPECT_TRUE(chosen->selectedCardAccessoryImageView.lock()->isHidden());
    EXPECT_FALSE(chosen->primaryCardImageView.lock()->isHidden());
    chosen->setHighlighted(true, false);
    EXPECT_TRUE(platform::isEqual(chosen->cardBaseView.lock()->backgroundColor(), grey));

    // A cell made in code has no outlets: filling it only stores the values.
    auto bare = NSObject::create<ChangeCardTableViewCell>();
    fillCardCell(*bare, source->cards[1], true, true);
    bare->setHighlighted(true, false);
    EXPECT_EQ(bare->lastFour(), "Master Card ...1234");
}
