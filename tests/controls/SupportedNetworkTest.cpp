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

constexpr double kCell = (375.0 - 56) / 6; // 53.1666...

// Logos told apart by their grey level.
std::vector<UIImagePtr> logos(int count)
{
    std::vector<UIImagePtr> images;
    for (int i = 0; i < count; ++i)
        images.push_back(tavro::imageWithColor(platform::UIColor::colorWithWhite(i / 12.0), {48, 30}));
    return images;
}

int shade(const UIImagePtr& image)
{
    return image ? image->pixelAt(1, 1).r : -1;
}

template <class T>
std::vector<std::shared_ptr<T>> partsOf(const platform::UIViewPtr& row)
{
    std::vector<std::shared_ptr<T>> parts;
    for (const auto& subview : row->subviews()) {
        if (auto part = std::dynamic_pointer_cast<T>(subview))
            parts.push_back(part);
    }
    return parts;
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
    EXPECT_TRUE(standard->clipsToBounds());
    EXPECT_TRUE(platform::isEqual(standard->backgroundColor(), platform::UIColor::white()));

    auto config = NSObject::create<tavro::TavroConfig>();
    config->setSupportedNetworkImage(std::vector<UIImagePtr>{});
    session()->setConfiguration(config);
    auto empty = NSObject::create<TAVROSupportedNetwork>(CGRect(0, 0, 375, 44));
    empty->prepareView();
    EXPECT_TRUE(empty->images().empty()) << "a configured empty list stays empty";
    EXPECT_TRUE(partsOf<platform::UIImageView>(empty->rows()[0]).empty());
}

TEST_F(CardViewsTest, NetworkGridRowsForZeroToTwelveLogos)
{
    struct Case {
        int logos;
        std::size_t firstRow, secondRow;
    } cases[] = {{0, 0, 0}, {1, 1, 0}, {5, 5, 0}, {6, 6, 1}, {7, 6, 2}, {12, 6, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logos);
        auto grid = makeGrid(c.logos);
        auto input = logos(c.logos);
        bool more = c.logos >= 6;
        ASSERT_EQ(grid->images().size(), input.size() + (more ? 1 : 0));
        auto first = partsOf<platform::UIImageView>(grid->rows()[0]);
        auto second = partsOf<platform::UIImageView>(grid->rows()[1]);
        ASSERT_EQ(first.size(), c.firstRow);
        ASSERT_EQ(second.size(), c.secondRow);
        EXPECT_EQ(partsOf<platform::UIButton>(grid->rows()[0]).size(), more ? 1u : 0u);
        EXPECT_EQ(grid->frame(), CGRect(0, 100, 375, 44)) << "one row shows";
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_NEAR(first[i]->frame().origin.x, i * (kCell + 8), 1e-9);
            EXPECT_NEAR(first[i]->frame().width(), kCell, 1e-9);
        }
        EXPECT_NEAR(grid->rows()[0]->frame().width(), c.firstRow * (kCell + 8), 1e-9);
        EXPECT_NEAR(grid->rows()[1]->frame().width(), c.secondRow * (kCell + 8), 1e-9);
        EXPECT_EQ(grid->rows()[0]->center(), (platform::CGPoint{187.5, 22}));
        EXPECT_EQ(grid->rows()[1]->center(), (platform::CGPoint{187.5, 66}));
        if (more) {
            EXPECT_EQ(grid->images()[5]->size(), tavro::tavroImage("icon_more")->size());
            EXPECT_EQ(shade(first[4]->image()), shade(input[4]));
            EXPECT_EQ(shade(second[0]->image()), shade(input[5])) << "the sixth logo opens the second row";
        }
    }
    EXPECT_NEAR(makeGrid(6)->rows()[0]->frame().width(), 367, 1e-9) << "six cells and six gaps";
    auto wide = makeGrid(12);
    EXPECT_LT(wide->rows()[1]->frame().minX(), 0) << "seven cells run past both sides";
    EXPECT_GT(wide->rows()[1]->frame().maxX(), 375);

    // Rebuilding keeps one more cell and one set of logos; a new list gets its own more cell.
    auto grid = makeGrid(7);
    grid->prepareView();
    grid->prepareView();
    EXPECT_EQ(grid->images().size(), 8u);
    EXPECT_EQ(grid->subviews().size(), 2u);
    EXPECT_EQ(partsOf<platform::UIImageView>(grid->rows()[1]).size(), 2u);
    EXPECT_EQ(partsOf<platform::UIButton>(grid->rows()[0]).size(), 1u);
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
    for (auto edge :
         {platform::NSLayoutAttribute::top, platform::NSLayoutAttribute::left, platform::NSLayoutAttribute::right})
        platform::NSLayoutConstraint::create(grid, edge, platform::NSLayoutRelation::equal, host, edge)
            ->setActive(true);
    host->layoutIfNeeded();
    grid->prepareView(logos(8));

    driver.setRoot(host);
    ASSERT_TRUE(driver.tap("Supported_Network_More_Button")) << "the icon over the button lets the tap through";
    EXPECT_TRUE(grid->isExpanded());
    EXPECT_EQ(height->constant(), 88);
    ASSERT_FALSE(platform::UIView::animationLog().empty());
    EXPECT_DOUBLE_EQ(platform::UIView::animationLog().back().duration, 0.25);
    EXPECT_EQ(grid->frame().height(), 88) << "the host laid out in the animation";
    grid->moreClicked(true);
    EXPECT_FALSE(grid->isExpanded());
    EXPECT_EQ(height->constant(), 44);

    auto loose = makeGrid(8);
    loose->moreClicked(false);
    EXPECT_FALSE(loose->isExpanded()) << "no height constraint: nothing changes";
}
