#include "Common/ConfirmPayment/View/CurrencyPickerTestSupport.h"

#include <cstdlib>

using namespace pickertest;
using platform::RGBA8;

namespace {

// The pixel under a point of the 375 x 667 screen rendered at scale 2.
RGBA8 at(const platform::UIImage& image, double x, double y)
{
    return image.pixelAt(static_cast<int>(x * 2), static_cast<int>(y * 2));
}

} // namespace

TEST_F(CurrencyPickerTest, OpenPickerDimsTheScreenAroundItsWhitePanel)
{
    launchFlow();
    auto before = driver.renderScreen();
    openPicker();
    auto image = driver.renderScreen();
    ASSERT_TRUE(before && image);
    EXPECT_TRUE(driver.writeScreenPNG("currency-picker-open"));

    // Outside the panel: the screen under half-transparent black.
    for (auto [x, y] : {std::pair{10.0, 30.0}, {365.0, 400.0}, {187.0, 650.0}}) {
        auto under = at(*before, x, y), dimmed = at(*image, x, y);
        EXPECT_LE(
            std::abs(dimmed.r - under.r / 2) + std::abs(dimmed.g - under.g / 2) + std::abs(dimmed.b - under.b / 2), 4)
            << x << "," << y;
    }
    EXPECT_EQ(at(*image, 44, 70), (RGBA8{0x15, 0x19, 0x5A, 255})) << "header in the configured colour";
    int whiteIcon = 0;
    for (double y = 60; y < 116; y += 0.5)
        for (double x = 295; x < 351; x += 0.5)
            whiteIcon += at(*image, x, y) == RGBA8{255, 255, 255, 255};
    EXPECT_GT(whiteIcon, 20) << "the close icon";
    // White panel beside the placeholder and at the right of the first rows; the search separator.
    for (auto [x, y] : {std::pair{324.0, 136.0}, {344.0, 190.0}, {344.0, 250.0}})
        EXPECT_EQ(at(*image, x, y), (RGBA8{255, 255, 255, 255})) << x << "," << y;
    EXPECT_EQ(at(*image, 124, 159), (RGBA8{0xF2, 0xF4, 0xF8, 255}));
}

TEST_F(CurrencyPickerTest, AThousandOpenFilterCloseCyclesLeaveNothingAlive)
{
    launchFlow();
    const auto observers = platform::NotificationCenter::defaultCenter().observerCount();
    std::vector<std::weak_ptr<TAVROCurrencySelectionView>> pickers;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        auto picker = openPicker();
        pickers.push_back(picker);
        ASSERT_TRUE(driver.focus(searchField(*picker)));
        // Even cycles find currencies and pick one; odd ones find none and close.
        driver.type(cycle % 2 ? "zz" : "do");
        if (cycle % 2)
            closeAndFade(*picker);
        else
            ASSERT_TRUE(driver.tapRow(picker->tableView(), {0, 0}));
        driver.advanceBy(1);
    }
    EXPECT_EQ(delegate->reports.size(), 1000u);
    for (const auto& picker : pickers)
        ASSERT_TRUE(picker.expired());
    EXPECT_EQ(platform::NotificationCenter::defaultCenter().observerCount(), observers);
}
