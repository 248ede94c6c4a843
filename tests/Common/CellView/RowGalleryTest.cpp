// Renders every row in its looks to PNG files (TAVRO_ARTIFACT_DIR) and checks the pixels that
// carry the look: the status bar's colour and width, and the title's colour.

#include "Common/CellView/CellTestSupport.h"
#include "Common/CellView/RowPixels.h"

#include "TavroMerchantSDK/Common/CellView/TAVROButtonCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROInputCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROMessageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROQrImageCellView.h"
#include "TavroMerchantSDK/Common/CellView/TAVROSwitchCellView.h"

using namespace celltest;
using platform::RGBA8;

namespace {

const RGBA8 kWhite{255, 255, 255, 255};
const RGBA8 kErrorRed{0xDD, 0x34, 0x58, 255};
const RGBA8 kFocusBar{0x15, 0x19, 0x5A, 255}; // the default configuration's text-field colour
const RGBA8 kRowGrey{0xF2, 0xF4, 0xF8, 255};
const RGBA8 kBorderGrey{0xB8, 0xBA, 0xCD, 255};

// Pixels of the title band (y 10 to 36) close to `colour`.
int titlePixels(const platform::UIImage& image, RGBA8 colour)
{
    int count = 0;
    for (int y = 10 * kScale; y < 36 * kScale; ++y)
        for (int x = 16 * kScale; x < 359 * kScale; ++x)
            count += near(image.pixelAt(x, y), colour, 40);
    return count;
}

class RowGalleryTest : public CellTest {};

} // namespace

TEST_F(RowGalleryTest, InputRowLooks)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto row = NSObject::create<tavro::TAVROInputCellView>(CGRect(0, 0, 375, 70));
    row->setTitleString("Bill Number");
    auto window = show(row);

    row->defaultStateTheme();
    auto resting = snap(row, "input-default");
    EXPECT_TRUE(near(at(*resting, 374, 69), kWhite));
    EXPECT_TRUE(near(at(*resting, 2, 5), kRowGrey));
    EXPECT_EQ(titlePixels(*resting, kErrorRed), 0);

    row->focusStateTheme();
    auto focused = snap(row, "input-focus");
    EXPECT_TRUE(near(at(*focused, 1, 69), kFocusBar));
    EXPECT_TRUE(near(at(*focused, 374, 69), kFocusBar));
    EXPECT_TRUE(near(at(*focused, 2, 5), kWhite));
    EXPECT_EQ(titlePixels(*focused, kErrorRed), 0);

    row->setIsVaildCell(false);
    auto failed = snap(row, "input-error");
    EXPECT_TRUE(near(at(*failed, 1, 69), kErrorRed));
    EXPECT_TRUE(near(at(*failed, 374, 69), kErrorRed));
    EXPECT_GT(titlePixels(*failed, kErrorRed), 40);

    row->normalStateTheme();
    auto normal = snap(row, "input-normal");
    EXPECT_TRUE(near(at(*normal, 1, 69), kWhite));
}

TEST_F(RowGalleryTest, OtherRows)
{
    session()->setActiveSessionType(TavroActiveFlow::requestPayment);
    auto switchRow = NSObject::create<tavro::TAVROSwitchCellView>(CGRect(0, 0, 375, 212));
    switchRow->setTopLeftTitle("Store ID");
    auto switchWindow = show(switchRow);
    auto switchOff = snap(switchRow, "switch-off");
    EXPECT_TRUE(near(at(*switchOff, 100, 71), kWhite));   // the bar under the header
    EXPECT_TRUE(near(at(*switchOff, 100, 60), kRowGrey)); // the header band
    switchRow->rightSwitch()->setOn(true);
    switchRow->inputCell()->setIsVaildCell(false);
    auto switchError = snap(switchRow, "switch-on-error");
    EXPECT_TRUE(near(at(*switchError, 1, 72 + 69), kErrorRed));
    EXPECT_TRUE(near(at(*switchError, 374, 72 + 69), kErrorRed));

    auto qr = NSObject::create<tavro::TAVROQrImageCellView>(CGRect(0, 0, 300, 200));
    qr->setQrCodeTlv("000201010211");
    auto qrWindow = show(qr);
    auto qrImage = snap(qr, "qr");
    EXPECT_TRUE(near(at(*qrImage, 50.2, 100), kBorderGrey, 20));
    EXPECT_EQ(at(*qrImage, 10, 100).a, 0); // outside the box the row is clear

    auto button = NSObject::create<tavro::TAVROButtonCellView>(CGRect(0, 0, 375, 72));
    auto buttonWindow = show(button);
    snap(button, "reset");

    auto message = NSObject::create<tavro::TAVROMessageCellView>(CGRect(0, 0, 375, 40));
    message->setBoaldStr("Asha");
    message->setMessageStr("Pay Asha from your list of saved recipients, as you did last time, today");
    auto messageWindow = show(message);
    auto messageImage = snap(message, "message");
    EXPECT_TRUE(near(at(*messageImage, 200, 1), kRowGrey)); // the row shows 2 points above the button
}
