#include "Common/ConfirmPayment/View/CurrencyPickerTestSupport.h"

#include "platform/foundation/NotificationCenter.h"

#include <cstdlib>

using namespace pickertest;
using platform::RGBA8;

namespace {

constexpr int kScale = 2;

RGBA8 pixelAtPoint(const platform::UIImage& image, double x, double y)
{
    return image.pixelAt(static_cast<int>(x * kScale), static_cast<int>(y * kScale));
}

bool near(RGBA8 actual, RGBA8 expected, int tolerance = 2)
{
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
        && std::abs(actual.b - expected.b) <= tolerance && actual.a == expected.a;
}

std::string describe(RGBA8 pixel)
{
    return "(" + std::to_string(pixel.r) + ", " + std::to_string(pixel.g) + ", " + std::to_string(pixel.b) + ", "
        + std::to_string(pixel.a) + ")";
}

} // namespace

TEST_F(CurrencyPickerTest, OpenPickerDimsTheScreenAroundItsWhitePanel)
{
    launchFlow("840");
    auto before = driver.renderScreen();
    ASSERT_TRUE(before);
    auto picker = openPicker();
    auto image = driver.renderScreen();
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), (platform::CGSize{375, 667}));
    EXPECT_TRUE(driver.writeScreenPNG("currency-picker-open"));

    // The margins around the panel show the screen under half-transparent black.
    for (auto [x, y] : {std::pair{10.0, 30.0}, {365.0, 400.0}, {187.0, 650.0}}) {
        auto under = pixelAtPoint(*before, x, y);
        auto dimmed = pixelAtPoint(*image, x, y);
        RGBA8 expected{static_cast<std::uint8_t>(under.r / 2), static_cast<std::uint8_t>(under.g / 2),
                       static_cast<std::uint8_t>(under.b / 2), 255};
        EXPECT_TRUE(near(dimmed, expected)) << x << "," << y << ": " << describe(dimmed) << " over " << describe(under);
    }

    // The header band in the configuration's background colour, the close icon in white on it.
    EXPECT_EQ(pixelAtPoint(*image, 24 + 20, 60 + 10), (RGBA8{0x15, 0x19, 0x5A, 255}));
    int whiteInIcon = 0;
    for (double y = 60; y < 60 + 56; y += 0.5)
        for (double x = 24 + 327 - 56; x < 24 + 327; x += 0.5)
            whiteInIcon += pixelAtPoint(*image, x, y) == RGBA8{255, 255, 255, 255};
    EXPECT_GT(whiteInIcon, 20);

    // The panel is white beside the search text, at the right of the rows and under the last row.
    for (auto [x, y] : {std::pair{24 + 300.0, 60 + 56 + 20.0}, {24 + 320.0, 60 + 100 + 30.0}, {24 + 320.0, 60 + 100 + 90.0}})
        EXPECT_EQ(pixelAtPoint(*image, x, y), (RGBA8{255, 255, 255, 255})) << x << "," << y;
    // The search field's separator line.
    EXPECT_EQ(pixelAtPoint(*image, 24 + 100, 60 + 56 + 43), (RGBA8{0xF2, 0xF4, 0xF8, 255}));
    // The first row's text is drawn in its dark blue.
    int darkText = 0;
    for (double x = 24 + 16; x < 24 + 200; x += 0.5)
        darkText += near(pixelAtPoint(*image, x, 60 + 100 + 30), RGBA8{0x1D, 0x2A, 0x59, 255}, 24);
    EXPECT_GT(darkText, 5);
}

TEST_F(CurrencyPickerTest, AThousandOpenFilterCloseCyclesLeaveNothingAlive)
{
    launchFlow();
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observersBefore = center.observerCount();
    const auto subviewsBefore = session()->sdkWindow()->subviews().size();
    std::vector<std::weak_ptr<TAVROCurrencySelectionView>> pickers;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        auto picker = openPicker();
        pickers.push_back(picker);
        ASSERT_TRUE(driver.focus(searchField(*picker)));
        // Even cycles find currencies and pick one; odd ones find none and close.
        driver.type(cycle % 2 ? "zz" : "do");
        if (cycle % 2 == 0)
            ASSERT_TRUE(driver.tapRow(picker->tableView(), {0, 0})) << cycle;
        else
            ASSERT_TRUE(driver.tap(closeButton(*picker))) << cycle;
        driver.advanceBy(1);
    }
    EXPECT_EQ(delegate->reports.size(), 1000u);
    for (const auto& picker : pickers)
        ASSERT_TRUE(picker.expired());
    EXPECT_EQ(center.observerCount(), observersBefore);
    EXPECT_EQ(session()->sdkWindow()->subviews().size(), subviewsBefore);
}
