#include "Common/CellView/CardListTestSupport.h"
#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/screens/ChangeCardTableViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"

using namespace sessiontest;
using tavro::ChangeCardTableViewCell;
using tavro::ChangeCardTableViewController;

namespace {

struct RecordingCardDelegate : tavro::TransactionCardDelegate {
    std::vector<long long> chosen;
    void transactionCardChanged(long long index) override { chosen.push_back(index); }
};

class CardListScreenTest : public SessionTest {
protected:
    // The list with `count` cards shown as the root of a navigation controller in a window.
    std::shared_ptr<ChangeCardTableViewController> show(int count)
    {
        auto screen = platform::NSObject::create<ChangeCardTableViewController>();
        std::vector<std::shared_ptr<tavro::TavroCardDetails>> cards;
        const char* colours[] = {"#1869d6", "#DD3458", "#15195A"};
        for (int i = 0; i < count; ++i)
            cards.push_back(celltest::card(std::to_string(1000 + i), "Bank " + std::to_string(i),
                                           i == 2 ? "" : "Network", colours[i % 3]));
        screen->setTransactionCardsList(std::move(cards));
        screen->setTransactionCardDelegate(delegate);
        window = platform::NSObject::create<platform::UIWindow>();
        window->setRootViewController(platform::NSObject::create<tavro::TavroMerchantNavigationController>(screen));
        window->makeKeyAndVisible();
        driver.runUntilIdle();
        return screen;
    }

    std::shared_ptr<ChangeCardTableViewCell> cell(int row)
    {
        return driver.find<ChangeCardTableViewCell>("CardCell" + std::to_string(row));
    }
    static bool marked(const std::shared_ptr<ChangeCardTableViewCell>& cell)
    {
        return !cell->selectedCardAccessoryImageView.lock()->isHidden();
    }

    std::shared_ptr<RecordingCardDelegate> delegate = std::make_shared<RecordingCardDelegate>();
    std::shared_ptr<platform::UIWindow> window;
};

} // namespace

TEST_F(CardListScreenTest, RowsShowTheCardsWithThePrimaryMarkAndNoSelectionAtFirst)
{
    auto screen = show(3);
    EXPECT_EQ(screen->title(), std::optional<std::string>(tavro::StringConstants::CHANGE_CARD_TITLE()));
    for (int row = 0; row < 3; ++row) {
        auto shown = cell(row);
        ASSERT_TRUE(shown) << row;
        EXPECT_FALSE(marked(shown));
        EXPECT_EQ(shown->primaryCardImageView.lock()->isHidden(), row != 0);
        EXPECT_EQ(shown->cardTitle(), "Bank " + std::to_string(row));
        EXPECT_EQ(shown->frame().height(), 72); // measured from the row nib's constraints
    }
    EXPECT_EQ(cell(1)->lastFour(), "Network ...1001");
    EXPECT_EQ(cell(2)->lastFour(), " ...1002");
    EXPECT_FALSE(cell(3));
}

TEST_F(CardListScreenTest, EachTapMovesTheSelectionMarkAndTellsTheDelegate)
{
    auto screen = show(3);
    ASSERT_TRUE(driver.tap("CardCell1"));
    driver.runUntilIdle();
    EXPECT_EQ(delegate->chosen, std::vector<long long>({1}));
    EXPECT_EQ(screen->selectedCardIndex(), 1);
    EXPECT_TRUE(marked(cell(1)));

    ASSERT_TRUE(driver.tap("CardCell2"));
    driver.runUntilIdle();
    EXPECT_FALSE(marked(cell(1)));
    EXPECT_TRUE(marked(cell(2)));

    // The chosen row again keeps its mark and is reported again.
    ASSERT_TRUE(driver.tap("CardCell2"));
    driver.runUntilIdle();
    EXPECT_TRUE(marked(cell(2)));
    EXPECT_EQ(delegate->chosen, std::vector<long long>({1, 2, 2}));

    // A released delegate is not called.
    delegate.reset();
    EXPECT_TRUE(driver.tap("CardCell0"));
    EXPECT_EQ(screen->selectedCardIndex(), 0);

    // The chosen row draws its tick: the blue disc at the trailing edge of the plate.
    auto image = driver.render(cell(0));
    ASSERT_TRUE(image);
    const auto tick = cell(0)->selectedCardAccessoryImageView.lock();
    // Inside the disc, clear of the white tick.
    const auto inside = tick->convert(platform::CGPoint{16, 16}, cell(0));
    const auto pixel =
        image->pixelAt(static_cast<int>(inside.x * image->scale()), static_cast<int>(inside.y * image->scale()));
    EXPECT_EQ(pixel, (platform::RGBA8{0x00, 0x3E, 0xA9, 0xFF}));
    driver.writePNG(window, "card-list-screen");
}

TEST_F(CardListScreenTest, ARowChosenWhileTheOldOneIsOffScreenComesBackUnmarked)
{
    auto screen = show(12);
    ASSERT_TRUE(driver.tap("CardCell0"));
    auto table = screen->tableView.lock();
    ASSERT_TRUE(table);
    ASSERT_TRUE(driver.tapRow(table, platform::IndexPath::forRow(11, 0)));
    driver.runUntilIdle();
    EXPECT_FALSE(cell(0)); // scrolled away
    // A finger drags the list back to its top (past it: it springs back); the row it began on is not chosen.
    ASSERT_TRUE(driver.drag(cell(5), {0, 400}));
    driver.advanceBy(0.5);
    EXPECT_EQ(table->contentOffset().y, table->minimumContentOffset().y);
    ASSERT_TRUE(cell(0));
    EXPECT_FALSE(marked(cell(0)));
    EXPECT_EQ(delegate->chosen, std::vector<long long>({0, 11}));
}
