// The glyphs cells draw for their accessory types.
#include "ControlTestSupport.h"

#include "platform/ui/UITableViewCell.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using testsupport::renderView;

// Whether any pixel in columns [fromX, toX) of the image, above the separator along the bottom, is of
// the colour `isInk` accepts.
bool hasInk(const UIImage& image, int fromX, int toX, const std::function<bool(RGBA8)>& isInk)
{
    for (int y = 0; y < image.pixelHeight() - 2; ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (isInk(image.pixelAt(x, y))) {
                return true;
            }
        }
    }
    return false;
}

bool isGrey(RGBA8 p)
{
    return p.r < 235 && p.r == p.g && p.g == p.b;
}

bool isTint(RGBA8 p)
{
    return p.b > 180 && p.r < 150;
}

std::shared_ptr<UITableViewCell> cellWith(UITableViewCellAccessoryType type)
{
    auto cell = NSObject::create<UITableViewCell>(UITableViewCellStyle::default_, "c");
    cell->setFrame({0, 0, 320, 44});
    cell->setAccessoryType(type);
    return cell;
}

TEST(TableViewCellAccessoryTest, DetailDisclosureDrawsTheInfoCircleAndTheChevron)
{
    auto image = renderView(cellWith(UITableViewCellAccessoryType::detailDisclosureButton));
    // The chevron in the last 38 points, the tinted circle left of it.
    EXPECT_TRUE(hasInk(*image, 282, 320, isGrey));
    EXPECT_FALSE(hasInk(*image, 282, 320, isTint));
    EXPECT_TRUE(hasInk(*image, 250, 282, isTint));
}

TEST(TableViewCellAccessoryTest, SingleGlyphAccessoriesKeepToTheLastColumn)
{
    auto chevron = renderView(cellWith(UITableViewCellAccessoryType::disclosureIndicator));
    EXPECT_TRUE(hasInk(*chevron, 282, 320, isGrey));
    EXPECT_FALSE(hasInk(*chevron, 0, 282, isGrey));
    auto info = renderView(cellWith(UITableViewCellAccessoryType::detailButton));
    EXPECT_TRUE(hasInk(*info, 282, 320, isTint));
    EXPECT_FALSE(hasInk(*info, 282, 320, isGrey));
}

} // namespace
} // namespace platform
