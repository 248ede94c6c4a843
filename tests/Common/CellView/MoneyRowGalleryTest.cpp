// Renders the amount, tip and summary rows in their looks to PNG files (TAVRO_ARTIFACT_DIR) and
// checks the pixels that carry each look.

#include "Common/CellView/AmountRowTestSupport.h"
#include "Common/CellView/RowPixels.h"

#include "TavroMerchantSDK/Common/CellView/TAVROAmountCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSummaryCellView.h"

using namespace celltest;
using platform::RGBA8;

namespace {

const RGBA8 kWhite{255, 255, 255, 255};
const RGBA8 kErrorRed{0xDD, 0x34, 0x58, 255};
const RGBA8 kDark{0x15, 0x19, 0x5A, 255}; // amount text, totals, and the default focus bar
const RGBA8 kLight{0x6F, 0x70, 0x99, 255};
const RGBA8 kRowGrey{0xF2, 0xF4, 0xF8, 255};
const RGBA8 kSelectedBlue{0x00, 0x3E, 0xA9, 255};
const RGBA8 kBorderGrey{0xB8, 0xBA, 0xCD, 255};

// Close in colour and drawn opaquely.
bool opaqueNear(RGBA8 a, RGBA8 b, int tolerance = 6)
{
    return near(a, b, tolerance) && a.a > 200;
}

// Pixels close to `colour` in a rectangle of the row, in points.
int pixels(const platform::UIImage& image, const CGRect& rect, RGBA8 colour, int tolerance = 30)
{
    int count = 0;
    for (int y = static_cast<int>(rect.minY() * kScale); y < static_cast<int>(rect.maxY() * kScale); ++y)
        for (int x = static_cast<int>(rect.minX() * kScale); x < static_cast<int>(rect.maxX() * kScale); ++x)
            count += opaqueNear(image.pixelAt(x, y), colour, tolerance);
    return count;
}

class MoneyRowGalleryTest : public AmountRowTest {};

} // namespace

TEST_F(MoneyRowGalleryTest, AmountRowLooks)
{
    auto row = NSObject::create<tavro::TAVROAmountCellView>(CGRect(0, 0, 375, 100));
    row->setTitleString("Request Amount");
    auto window = show(row);
    const CGRect amountBand(8, 40, 359, 40);

    auto resting = snap(row, "amount-rest");
    EXPECT_TRUE(opaqueNear(at(*resting, 2, 5), kRowGrey));
    EXPECT_GT(pixels(*resting, amountBand, kDark), 100); // "INR 0.00"

    ASSERT_TRUE(driver.focus(row->inputTextField()));
    driver.type("25000");
    driver.runUntilIdle();
    auto typed = snap(row, "amount-typed");
    EXPECT_TRUE(opaqueNear(at(*typed, 2, 5), kWhite));
    EXPECT_TRUE(opaqueNear(at(*typed, 1, 99), kDark));
    EXPECT_TRUE(opaqueNear(at(*typed, 374, 99), kDark));
    EXPECT_GT(pixels(*typed, amountBand, kDark), pixels(*resting, amountBand, kDark));

    driver.type("12345678"); // 13 digits
    driver.runUntilIdle();
    auto failed = snap(row, "amount-error");
    EXPECT_TRUE(opaqueNear(at(*failed, 1, 99), kErrorRed));
    EXPECT_TRUE(opaqueNear(at(*failed, 374, 99), kErrorRed));
    EXPECT_GT(pixels(*failed, CGRect(16, 10, 343, 26), kErrorRed), 40); // "Invalid" title and icon
}

TEST_F(MoneyRowGalleryTest, TipRowClosedAndOpen)
{
    auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 375, 667));
    auto row = pinnedTipRow(host);
    auto window = show(host);

    auto closed = snap(row, "tip-closed");
    EXPECT_EQ(closed->size().height, 70);
    EXPECT_GT(pixels(*closed, CGRect(325, 10, 50, 50), kDark, 80), 10); // the add icon

    ASSERT_TRUE(driver.focus(row->inputTextField()));
    ASSERT_TRUE(driver.tap(row->fifteenBtn()));
    driver.runUntilIdle();
    auto open = snap(row, "tip-open-15");
    EXPECT_EQ(open->size().height, 134);
    const auto panel = row->tipBaseView()->frame().origin.y;
    EXPECT_TRUE(opaqueNear(at(*open, 192.5 + 5, panel + 10 + 5), kSelectedBlue)); // 15 % selected
    EXPECT_TRUE(opaqueNear(at(*open, 101.25 + 5, panel + 10 + 5), kWhite));       // 10 % not
    EXPECT_TRUE(opaqueNear(at(*open, 10.5, panel + 30), kBorderGrey, 30));        // the 5 % button's border
    EXPECT_GT(pixels(*open, CGRect(200, panel + 20, 66, 24), kWhite, 10), 20);    // its white title
}

TEST_F(MoneyRowGalleryTest, SummaryRefundLines)
{
    auto& refund = *session()->refundPaymentSession()->request();
    refund.setCurrencyCode("356");
    session()->setActiveSessionType(TavroActiveFlow::refundPayment);
    auto row = NSObject::create<tavro::TAVROSummaryCellView>(CGRect(0, 0, 320, 128));
    row->setBackgroundColor(platform::UIColor::white());
    row->setCellType(TavroActiveFlow::refundPayment);
    row->setCellObject(
        NSObject::create<tavro::TAVROPaymentCellModel>(CellType::summary, std::nullopt, std::string("100")));
    row->updateCellWithAmount(40, 100);
    auto window = show(row);

    auto image = snap(row, "summary-refund");
    // Captions and the first amount in the light colour, the last line dark and underlined.
    EXPECT_GT(pixels(*image, CGRect(16, 16, 144, 16), kLight, 20), 20);
    EXPECT_EQ(pixels(*image, CGRect(16, 16, 144, 16), kDark, 20), 0);
    EXPECT_GT(pixels(*image, CGRect(160, 80, 144, 16), kDark, 20), 20);
    EXPECT_TRUE(opaqueNear(at(*image, 10, 110), kWhite)); // nothing below the grid
}
