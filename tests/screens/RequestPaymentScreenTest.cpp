#include "core/SessionTestFixture.h"
#include "platform/graphics/QRScanSupport.h"

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"
#include "TavroMerchantSDK/support/UIViewSnapshotExtensions.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentDetailsViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "platform/ui/UIActivity.h"
#include "platform/ui/UIActivityViewController.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UINavigationItem.h"
#include "platform/ui/UIScreen.h"

#include <algorithm>

using namespace sessiontest;
using tavro::TAVRORequestPaymentViewController;
using tavro::TavroMerchantSDK;

namespace {

class RequestPaymentScreenTest : public SessionTest {
protected:
    std::shared_ptr<TAVRORequestPaymentViewController> launch(std::shared_ptr<tavro::TavroPaymentRequest> request)
    {
        TavroMerchantSDK::launchRequestPaymentFlow(std::move(request), [](bool, auto, auto) {});
        finishSlide();
        driver.runUntilIdle();
        return std::dynamic_pointer_cast<TAVRORequestPaymentViewController>(navigation()->topViewController());
    }

    std::shared_ptr<platform::UINavigationController> navigation()
    {
        return std::dynamic_pointer_cast<platform::UINavigationController>(
            session()->sdkWindow()->rootViewController());
    }

    // What a QR reader makes of the QR row as it is drawn on screen.
    std::string scannedPayload(const TAVRORequestPaymentViewController& screen)
    {
        auto image = driver.render(screen.qrImageCellView());
        if (!image)
            return "";
        auto scan = qr_test::scan(*image);
        return scan.valid ? scan.bytes : "";
    }
};

} // namespace

TEST_F(RequestPaymentScreenTest, FirstAppearanceShowsTheRequestAndItsScannableCode)
{
    auto request = validPaymentRequest();
    auto screen = launch(request);
    ASSERT_TRUE(screen);

    EXPECT_EQ(screen->title(), std::optional<std::string>(tavro::StringConstants::REQUEST_PAYMENT_TITLE()));
    EXPECT_TRUE(driver.find("Back_Button"));
    EXPECT_TRUE(driver.find("Save_To_Gallery_Button"));
    EXPECT_TRUE(driver.find("Payment_Details_Button"));
    EXPECT_EQ(screen->merchantNameLabel()->text(), std::optional<std::string>("Corner Cafe"));
    EXPECT_EQ(screen->merchantCityLabel()->text(), std::optional<std::string>("Pune"));
    EXPECT_TRUE(screen->amountLabel()->isHidden());
    EXPECT_TRUE(screen->paymentDetailLabel()->isHidden());

    EXPECT_EQ(screen->qrImageCellView()->qrCodeTlv(), std::optional<std::string>(request->getTLVForPlainObject()));
    EXPECT_EQ(scannedPayload(*screen), request->getTLVForPlainObject());

    // The column: caption 16 below the top, chevron under it, the QR square 60 in from each side.
    const auto root = screen->view();
    EXPECT_EQ(screen->scanToPayLabel()->frame(), platform::CGRect(0, 16, 375, 24));
    EXPECT_EQ(screen->arrowImageView()->frame(), platform::CGRect(175.5, 40, 24, 24));
    EXPECT_EQ(screen->qrImageCellView()->frame(), platform::CGRect(60, 72, 255, 255));
    EXPECT_EQ(screen->supportedNetwork()->frame(), platform::CGRect(5, 339, 365, 44));
    EXPECT_EQ(screen->merchantNameLabel()->frame().minY(), 391);
    const auto button = screen->paymentDetailButton()->frame();
    EXPECT_EQ(button.width(), root->bounds().width());
    EXPECT_EQ(button.height(), 50);
    EXPECT_EQ(button.maxY(), root->bounds().height() - screen->bottomLayoutGuideLength());

    // The whole window as a customer sees it still scans to the payload.
    auto window = driver.render(session()->sdkWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(qr_test::scan(*window).bytes, request->getTLVForPlainObject());
    driver.writePNG(session()->sdkWindow(), "request-payment-screen");
}

TEST_F(RequestPaymentScreenTest, ShareButtonSitsOnTheRightAfterANegativeSpace)
{
    auto screen = launch(validPaymentRequest());
    ASSERT_TRUE(screen);
    const auto& items = screen->navigationItem()->rightBarButtonItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0]->isFixedSpace());
    EXPECT_EQ(items[0]->width(), -10);
    EXPECT_EQ(items[1]->accessibilityIdentifier(), std::optional<std::string>("Save_To_Gallery_Button"));
    auto button = std::dynamic_pointer_cast<tavro::KSecondaryButtonIcon>(items[1]->customView());
    ASSERT_TRUE(button);
    ASSERT_TRUE(button->image(platform::UIControlState::normal));
    EXPECT_EQ(button->image(platform::UIControlState::normal)->renderingMode(),
              platform::UIImageRenderingMode::alwaysTemplate);
}

TEST_F(RequestPaymentScreenTest, DetailsRoundTripRebuildsTheCodeAndShowsTheAmountOnlyAfterAnUpdate)
{
    auto screen = launch(validPaymentRequest());
    ASSERT_TRUE(screen);

    // Closed without an update: the amount line stays hidden.
    ASSERT_TRUE(driver.tap("Payment_Details_Button"));
    EXPECT_TRUE(navigation()->isNavigationBarHidden());
    driver.advanceBy(0.5);
    EXPECT_TRUE(
        std::dynamic_pointer_cast<tavro::TAVRORequestPaymentDetailsViewController>(navigation()->topViewController()));
    navigation()->setNavigationBarHidden(false, false);
    navigation()->popViewController(true);
    driver.advanceBy(0.5);
    EXPECT_TRUE(screen->amountLabel()->isHidden());

    // Updated with an amount: the code carries it and the amount line shows it in the currency.
    ASSERT_TRUE(driver.tap("Payment_Details_Button"));
    driver.advanceBy(0.5);
    const auto& shown = session()->requestPaymentSession()->request();
    shown->setTransactionAmount("250.0");
    session()->requestPaymentSession()->setIsUpdated(true);
    navigation()->setNavigationBarHidden(false, false);
    navigation()->popViewController(true);
    driver.advanceBy(0.5);
    EXPECT_FALSE(screen->amountLabel()->isHidden());
    EXPECT_FALSE(screen->paymentDetailLabel()->isHidden());
    EXPECT_EQ(screen->amountLabel()->text(), std::optional<std::string>("INR 250.00"));
    const auto scanned = scannedPayload(*screen);
    EXPECT_EQ(scanned, shown->getTLVForPlainObject());
    EXPECT_NE(scanned.find("5405250.0"), std::string::npos);
}

TEST_F(RequestPaymentScreenTest, AnUpdateWithoutADecimalAmountLeavesTheLineHidden)
{
    auto screen = launch(validPaymentRequest());
    ASSERT_TRUE(screen);
    session()->requestPaymentSession()->request()->setTransactionAmount("abc");
    session()->requestPaymentSession()->setIsUpdated(true);
    screen->viewDidAppear(false);
    // The payload leaves such an amount out, so it carries nothing the lines could show.
    EXPECT_TRUE(screen->amountLabel()->isHidden());
    EXPECT_TRUE(screen->paymentDetailLabel()->isHidden());
}

TEST_F(RequestPaymentScreenTest, AFieldRequestNeverShowsAnEarlierScannedRequestsData)
{
    platform::AnyValue::Dictionary tags{{"00", "01"},  {"01", "11"}, {"02", "41234568"},     {"52", "5812"},
                                        {"53", "356"}, {"58", "IN"}, {"59", "Scanned Shop"}, {"60", "Goa"}};
    auto scanned = platform::NSObject::create<tavro::TavroPaymentRequest>(tags);
    auto scannedScreen = launch(scanned);
    ASSERT_TRUE(scannedScreen);
    EXPECT_NE(scannedPayload(*scannedScreen).find("Scanned Shop"), std::string::npos);
    TavroMerchantSDK::endTavroFlow();
    finishSlide();

    auto plain = validPaymentRequest();
    auto screen = launch(plain);
    ASSERT_TRUE(screen);
    const auto payload = scannedPayload(*screen);
    EXPECT_EQ(payload, plain->getTLVForPlainObject());
    EXPECT_EQ(payload.find("Scanned Shop"), std::string::npos);
}

// The screen shows the request as it was validated: a host that changes its object afterwards,
// and is refused when it launches it again, changes nothing the screen draws next time.
TEST_F(RequestPaymentScreenTest, TheHostsLaterChangesNeverReachTheScreenShown)
{
    auto request = validPaymentRequest();
    auto screen = launch(request);
    ASSERT_TRUE(screen);
    const auto payload = scannedPayload(*screen);
    request->setMerchantName(std::string(40, 'N'));
    TavroMerchantSDK::launchRequestPaymentFlow(request, [](bool ok, auto, auto) { EXPECT_FALSE(ok); });
    screen->viewDidAppear(false);
    EXPECT_EQ(scannedPayload(*screen), payload);
}

// The card pictures the screen from under the bar to the details button's top: as it stands when
// the logos fit one row, with the grid opened when they fill two (then collapsed again).
TEST_F(RequestPaymentScreenTest, SharingPicturesTheScreenAboveTheDetailsButtonWithEveryLogo)
{
    struct Case {
        double width, height;
        int logos;
        double extraBottomInset;
    };
    for (const auto& c : {Case{320, 568, 1, 0}, Case{768, 1024, 1, 0}, Case{320, 568, 8, 0}, Case{768, 1024, 8, 0},
                          Case{375, 667, 1, 34}}) {
        SCOPED_TRACE(std::to_string(c.width) + " logos " + std::to_string(c.logos));
        platform::UIScreen::main()->setBounds({0, 0, c.width, c.height});
        session()->sdkWindow()->setFrame({0, 0, c.width, c.height});
        std::vector<platform::UIImagePtr> logos; // told apart by their grey level
        for (int i = 0; i < c.logos; ++i)
            logos.push_back(tavro::imageWithColor(platform::UIColor::colorWithWhite(i / 10.0), {48, 30}));
        session()->internalConfiguration()->setSupportedNetworkImage(logos);
        auto screen = launch(validPaymentRequest());
        ASSERT_TRUE(screen);
        screen->setAdditionalSafeAreaInsets({0, 0, c.extraBottomInset, 0});
        session()->requestPaymentSession()->request()->setTransactionAmount("250.0");
        session()->requestPaymentSession()->setIsUpdated(true);
        screen->viewDidAppear(false); // the amount and its caption show
        const auto root = screen->view();
        root->layoutIfNeeded();
        const double top = screen->safeAreaInsets().top;
        const platform::CGRect aboveButton(0, top, c.width, screen->paymentDetailButton()->frame().minY() - top);
        const auto screenAboveButton = tavro::snapshot(root, aboveButton);

        ASSERT_TRUE(driver.tap("Save_To_Gallery_Button"));
        driver.runUntilIdle();
        auto sheet = driver.presentedShareSheet();
        ASSERT_TRUE(sheet);
        const auto grid = screen->supportedNetwork();
        EXPECT_FALSE(grid->isExpanded());
        EXPECT_FALSE(screen->qrSnapView()->superview());
        auto picture = screen->qrSnapView()->qrImageView()->image();
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->size(), aboveButton.size);
        if (c.logos == 1) {
            EXPECT_LE(screen->paymentDetailLabel()->frame().maxY(), aboveButton.maxY()) << "the caption is pictured";
            EXPECT_TRUE(picture->pngData() == screenAboveButton->pngData()) << "the picture is the screen";
        } else {
            const auto last = grid->rows()[1]->subviews().back(); // in the second row
            const auto centre = last->convert(platform::CGPoint{last->bounds().midX(), last->bounds().midY()}, root);
            EXPECT_EQ(picture->pixelAt(int(centre.x * 2), int((centre.y - top) * 2)).r, logos.back()->pixelAt(1, 1).r);
        }
        // The shared card holds that picture, and its code still scans.
        ASSERT_EQ(sheet->activityItems().size(), 1u);
        EXPECT_NE(qr_test::scan(*sheet->activityItems()[0].imageValue()).bytes.find("Corner Cafe"), std::string::npos);
        const auto& excluded = sheet->excludedActivityTypes();
        for (const auto& type : {platform::UIActivityTypePrint, platform::UIActivityTypePostToWeibo,
                                 platform::UIActivityTypeCopyToPasteboard, platform::UIActivityTypeAddToReadingList,
                                 platform::UIActivityTypePostToVimeo})
            EXPECT_NE(std::find(excluded.begin(), excluded.end(), type), excluded.end()) << type;
        EXPECT_TRUE(driver.cancelShareSheet());
        endFlow();
    }
}

TEST_F(RequestPaymentScreenTest, PlainShareImageIsMadeOffScreen)
{
    auto screen = launch(validPaymentRequest());
    ASSERT_TRUE(screen);
    auto image = screen->createShareQRImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (platform::CGSize{375, 667}));
    EXPECT_TRUE(qr_test::scan(*image).valid);
}
