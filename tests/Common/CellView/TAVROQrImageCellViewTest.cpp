#include "Common/CellView/CellTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "platform/graphics/QRScanSupport.h"

using namespace celltest;
using tavro::TAVROQrImageCellView;

namespace {

const std::string kPayload = "00020101021126280010A00000072701104123456784520458125303356"
                             "5802IN5911Corner Cafe6004Pune6106411001630460F2";

} // namespace

TEST_F(CellTest, QrRowDrawsASquareBoxOnceAndKeepsAPayloadSetBeforeLayout)
{
    auto row = NSObject::create<TAVROQrImageCellView>(CGRect(0, 0, 300, 200));
    EXPECT_FALSE(row->qrBorderView());
    row->setQrCodeTlv(kPayload);
    EXPECT_TRUE(row->qrCodeImage());
    auto window = show(row);

    ASSERT_TRUE(row->qrBorderView());
    EXPECT_EQ(row->qrBorderView()->frame(), CGRect(50, 0, 200, 200));
    EXPECT_EQ(row->qrImageView()->frame(), CGRect(0, 0, 200, 200));
    EXPECT_EQ(row->qrBorderView()->layer()->borderWidth(), 1);
    EXPECT_TRUE(platform::isEqual(row->qrBorderView()->layer()->borderColor(), tavro::colorWithHexString("#B8BACD")));
    EXPECT_TRUE(platform::isEqual(row->qrBorderView()->backgroundColor(), platform::UIColor::white()));
    EXPECT_EQ(row->qrCodeTlv(), kPayload);
    ASSERT_TRUE(row->qrImageView()->image());
    EXPECT_EQ(row->qrImageView()->image()->size(), (platform::CGSize{200, 200}));

    const auto scan = qr_test::scan(*driver.render(row));
    EXPECT_TRUE(scan.valid);
    EXPECT_EQ(scan.bytes, kPayload);
    EXPECT_EQ(scan.level, "M");

    // Later layout passes never stack a second box.
    row->setNeedsLayout();
    driver.runUntilIdle();
    row->layoutSubviews();
    EXPECT_EQ(row->subviews().size(), 1u);
    EXPECT_EQ(row->qrBorderView()->subviews().size(), 1u);

    // Assigning nothing, or a text that gives no code, keeps the code shown.
    const auto shown = row->qrImageView()->image();
    row->setQrCodeTlv(std::nullopt);
    EXPECT_EQ(row->qrImageView()->image(), shown);
    row->setQrCodeTlv(std::string());
    EXPECT_EQ(row->qrImageView()->image(), shown);
    EXPECT_FALSE(row->qrCodeImage());
}

TEST_F(CellTest, QrRowRedrawsWhenItsSizeChanges)
{
    auto row = NSObject::create<TAVROQrImageCellView>(CGRect(0, 0, 200, 200));
    auto window = show(row);
    const auto longPayload = qr_test::asciiPayload(400);
    row->setQrCodeTlv(longPayload);
    EXPECT_EQ(row->qrImageView()->image()->size(), (platform::CGSize{200, 200}));

    row->setFrame(CGRect(0, 0, 260, 300));
    driver.runUntilIdle();
    EXPECT_EQ(row->qrBorderView()->frame(), CGRect(0, 20, 260, 260));
    // The code fills the box exactly, whatever its module count.
    EXPECT_EQ(row->qrImageView()->image()->size(), (platform::CGSize{260, 260}));
    const auto scan = qr_test::scan(*driver.render(row));
    EXPECT_TRUE(scan.valid);
    EXPECT_EQ(scan.bytes, longPayload);
    EXPECT_EQ(scan.level, "M");
}
