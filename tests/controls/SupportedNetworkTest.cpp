#include "controls/CardViewsTestSupport.h"

#include "TavroMerchantSDK/controls/TAVROSupportedNetwork.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"

#include <algorithm>

using cardviews::CardViewsTest;
using platform::CGRect;
using platform::NSObject;
using platform::UIImagePtr;
using tavro::TAVROSupportedNetwork;

namespace {

constexpr double kCell = (375.0 - 56) / 6;  // 53.1666...

std::vector<UIImagePtr> logos(int count)
{
    std::vector<UIImagePtr> images;
    for (int i = 0; i < count; ++i)
        images.push_back(tavro::imageWithColor(platform::UIColor::colorWithWhite(i / 12.0), {48, 30}));
    return images;
}

// Which of logos() an image is.
int shade(const UIImagePtr& image)
{
    return image ? image->pixelAt(1, 1).r : -1;
}

std::vector<std::shared_ptr<platform::UIImageView>> cellsOf(const platform::UIViewPtr& row)
{
    std::vector<std::shared_ptr<platform::UIImageView>> cells;
    for (const auto& subview : row->subviews()) {
        if (auto cell = std::dynamic_pointer_cast<platform::UIImageView>(subview))
            cells.push_back(cell);
    }
    return cells;
}

std::size_t buttonsIn(const platform::UIViewPtr& row)
{
    return std::count_if(row->subviews().begin(), row->subviews().end(), [](const auto& subview) {
        return std::dynamic_pointer_cast<platform::UIButton>(subview) != nullptr;
    });
}

std::shared_ptr<TAVROSupportedNetwork> makeGrid(int logoCount)
{
    auto grid = NSObject::create<TAVROSupportedNetwork>(CGRect(0, 100, 375, 44));
    grid->prepareView(logos(logoCount));
    return grid;
}

} // namespace

TEST_F(CardViewsTest, NetworkLogosComeFromTheConfigurationOrTheFrameworksOwn)
{
    auto standard = NSObject::create<TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    ASSERT_EQ(standard->images().size(), 1u);
    EXPECT_EQ(standard->images()[0]->size(), tavro::tavroImage("network_logo_tavro")->size());
    EXPECT_FALSE(standard->images()[0]->isEmpty());
    EXPECT_TRUE(standard->clipsToBounds());
    EXPECT_TRUE(platform::isEqual(standard->backgroundColor(), platform::UIColor::white()));
    standard->prepareView();
    ASSERT_EQ(cellsOf(standard->rows()[0]).size(), 1u);
    EXPECT_EQ(standard->rows()[0]->center().x, 187.5) << "one cell, centred";
    EXPECT_EQ(buttonsIn(standard->rows()[0]), 0u);

    auto config = NSObject::create<tavro::TavroConfig>();
    config->setSupportedNetworkImage(std::vector<UIImagePtr>{});
    session()->setConfiguration(config);
    auto empty = NSObject::create<TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    EXPECT_TRUE(empty->images().empty()) << "a configured empty list stays empty";
    empty->prepareView();
    EXPECT_TRUE(cellsOf(empty->rows()[0]).empty());
    EXPECT_EQ(empty->rows()[0]->frame().width(), 0);
}

TEST_F(CardViewsTest, NetworkGridRowsForOneToTwelveLogos)
{
    struct Case {
        int logos;
        std::size_t firstRow, secondRow, stored;
    } cases[] = {{0, 0, 0, 0}, {1, 1, 0, 1}, {5, 5, 0, 5}, {6, 6, 1, 7}, {7, 6, 2, 8}, {12, 6, 7, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logos);
        auto grid = makeGrid(c.logos);
        auto input = logos(c.logos);
        ASSERT_EQ(grid->images().size(), c.stored);
        const auto& first = grid->rows()[0];
        const auto& second = grid->rows()[1];
        auto firstCells = cellsOf(first);
        auto secondCells = cellsOf(second);
        ASSERT_EQ(firstCells.size(), c.firstRow);
        ASSERT_EQ(secondCells.size(), c.secondRow);
        EXPECT_EQ(buttonsIn(first), c.logos >= 6 ? 1u : 0u);
        EXPECT_EQ(buttonsIn(second), 0u);
        EXPECT_EQ(grid->frame(), CGRect(0, 100, 375, 44)) << "one row shows";

        for (std::size_t i = 0; i < firstCells.size(); ++i) {
            EXPECT_NEAR(firstCells[i]->frame().origin.x, i * (kCell + 8), 1e-9);
            EXPECT_NEAR(firstCells[i]->frame().width(), kCell, 1e-9);
            EXPECT_EQ(firstCells[i]->frame().height(), 44);
            EXPECT_FALSE(firstCells[i]->isUserInteractionEnabled());
        }
        EXPECT_NEAR(first->frame().width(), c.firstRow * (kCell + 8), 1e-9);
        EXPECT_NEAR(second->frame().width(), c.secondRow * (kCell + 8), 1e-9);
        EXPECT_EQ(first->center(), (platform::CGPoint{187.5, 22}));
        EXPECT_EQ(second->center(), (platform::CGPoint{187.5, 66}));
        if (c.logos >= 6) {
            EXPECT_EQ(grid->images()[5]->size(), tavro::tavroImage("icon_more")->size());
            EXPECT_EQ(shade(grid->images()[4]), shade(input[4]));
            EXPECT_EQ(shade(grid->images()[6]), shade(input[5])) << "the sixth logo moves to the second row";
            EXPECT_EQ(shade(secondCells[0]->image()), shade(input[5]));
        }
    }
    // A full first row: six cells and six gaps.
    EXPECT_NEAR(makeGrid(6)->rows()[0]->frame().width(), 367, 1e-9);
    // Twelve logos: the second row of seven is wider than the screen and runs past both sides.
    auto wide = makeGrid(12);
    EXPECT_LT(wide->rows()[1]->frame().minX(), 0);
    EXPECT_GT(wide->rows()[1]->frame().maxX(), 375);
}

TEST_F(CardViewsTest, NetworkGridRebuildsWithoutASecondMoreCell)
{
    auto grid = makeGrid(7);
    ASSERT_EQ(grid->images().size(), 8u);
    grid->prepareView();
    grid->prepareView();
    EXPECT_EQ(grid->images().size(), 8u) << "no second more icon";
    EXPECT_EQ(grid->subviews().size(), 2u) << "the old rows are gone";
    EXPECT_EQ(cellsOf(grid->rows()[0]).size(), 6u);
    EXPECT_EQ(cellsOf(grid->rows()[1]).size(), 2u);
    EXPECT_EQ(buttonsIn(grid->rows()[0]), 1u);

    // A new list is a new build: its own more cell, once.
    grid->prepareView(logos(6));
    EXPECT_EQ(grid->images().size(), 7u);
}

TEST_F(CardViewsTest, MoreButtonRevealsAndFoldsTheSecondRow)
{
    auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 300));
    auto grid = NSObject::create<TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    host->addSubview(grid);
    grid->setTranslatesAutoresizingMaskIntoConstraints(false);
    auto height = platform::NSLayoutConstraint::create(grid, platform::NSLayoutAttribute::height,
                                                       platform::NSLayoutRelation::equal, nullptr,
                                                       platform::NSLayoutAttribute::notAnAttribute, 1, 44);
    grid->addConstraint(height);
    for (auto edge : {platform::NSLayoutAttribute::top, platform::NSLayoutAttribute::left, platform::NSLayoutAttribute::right})
        platform::NSLayoutConstraint::create(grid, edge, platform::NSLayoutRelation::equal, host, edge)->setActive(true);
    host->layoutIfNeeded();
    grid->prepareView(logos(8));

    driver.setRoot(host);
    ASSERT_TRUE(driver.tap("Supported_Network_More_Button"));
    EXPECT_TRUE(grid->isExpanded());
    EXPECT_EQ(height->constant(), 88);
    EXPECT_EQ(grid->heightCon(), height);
    ASSERT_FALSE(platform::UIView::animationLog().empty());
    EXPECT_DOUBLE_EQ(platform::UIView::animationLog().back().duration, 0.25);
    EXPECT_EQ(grid->frame().height(), 88) << "the host laid out in the animation";

    grid->moreClicked(true);
    EXPECT_FALSE(grid->isExpanded());
    EXPECT_EQ(height->constant(), 44);

    // Without a height constraint the button does nothing.
    auto loose = makeGrid(8);
    loose->moreClicked(false);
    EXPECT_FALSE(loose->isExpanded());
    EXPECT_FALSE(loose->heightCon());
}
