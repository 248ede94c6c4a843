// Where the flows' bottom buttons stand, and what that leaves to the share picture and to the QR
// screen's column, at the two phone sizes the framework is pictured at. Checked in rendered pixels.

#include "screens/PaymentFormTestSupport.h"

#include "TavroMerchantSDK/Common/CellView/TAVROFXAmountCellView.h"
#include "TavroMerchantSDK/screens/TAVROConfirmPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/testing/ScreenSetup.h"
#include "platform/render/RenderTestSupport.h"

using platform::CGRect;
using platform::CGSize;
using platform::NSObject;
using platform::RGBA8;
using platform::UIViewPtr;
using tavro::TAVRORequestPaymentViewController;
using tavro::TavroMerchantSDK;

namespace {

// A colour nothing else on these screens uses, so a pixel of it belongs to a bottom button.
bool isButtonColour(const RGBA8& pixel)
{
    return render_test::near(pixel, 0xC8, 0x1E, 0x7B, 0xFF, 2);
}

class BottomButtonLayoutTest : public formtest::RequestFlowTest, public ::testing::WithParamInterface<CGSize> {
protected:
    void SetUp() override
    {
        platform::configureTestScreen(GetParam().width, GetParam().height, 2);
        RequestFlowTest::SetUp();
        auto config = NSObject::create<tavro::TavroConfig>();
        config->setActionButtonColor(tavro::colorWithHexString("#C81E7B"));
        // Seven logos: the grid has a second row to expand.
        config->setSupportedNetworkImage(std::vector<platform::UIImagePtr>(7, tavro::tavroImage("network_logo_tavro")));
        TavroMerchantSDK::setupOneTimeConfiguration(config);
    }

    bool smallScreen() const { return GetParam().height < 667; }

    std::shared_ptr<TAVRORequestPaymentViewController> launchRequest()
    {
        TavroMerchantSDK::launchRequestPaymentFlow(sessiontest::validPaymentRequest(), [](bool, auto, auto) {});
        finishSlide();
        driver.runUntilIdle();
        return top<TAVRORequestPaymentViewController>();
    }

    static CGRect inWindow(const UIViewPtr& view) { return view->convert(view->bounds(), nullptr); }

    // Window pixels inside `view` that differ from `view` rendered alone: what other views draw over it.
    int pixelsDrawnOver(const UIViewPtr& window, const UIViewPtr& view)
    {
        auto screen = driver.render(window);
        auto alone = driver.render(view);
        if (!screen || !alone)
            return -1;
        const CGRect rect = inWindow(view);
        const double scale = screen->scale();
        const int x0 = static_cast<int>(rect.minX() * scale), y0 = static_cast<int>(rect.minY() * scale);
        int count = 0;
        for (int y = y0; y < static_cast<int>(rect.maxY() * scale); ++y)
            for (int x = x0; x < static_cast<int>(rect.maxX() * scale); ++x)
                count += screen->pixelAt(x, y) != alone->pixelAt(x - x0, y - y0);
        return count;
    }
};

} // namespace

// The details button and the pay buttons end flush with the bottom of the screen: its last point
// row is the button's colour all across, and a form above a pay button reaches down to it.
TEST_P(BottomButtonLayoutTest, BottomButtonsEndFlushWithTheScreen)
{
    struct Shown {
        std::shared_ptr<platform::UIWindow> window;
        UIViewPtr button;
        UIViewPtr form; // the form that should end at the button, if the screen has one
    };
    std::shared_ptr<platform::UIWindow> confirmWindow;
    const std::vector<std::pair<const char*, std::function<Shown()>>> screens{
        {"request-payment",
         [&] {
             auto screen = launchRequest();
             return Shown{session()->sdkWindow(), screen ? screen->paymentDetailButton() : nullptr, nullptr};
         }},
        {"refund",
         [&] {
             TavroMerchantSDK::launchRefundPaymentFlow(sessiontest::validRefundRequest(), [](bool, auto, auto) {});
             finishSlide();
             driver.runUntilIdle();
             auto screen = top<tavro::TAVRORefundPaymentViewController>();
             return screen ? Shown{session()->sdkWindow(), screen->payButton(), screen->scrollView()} : Shown{};
         }},
        {"confirm",
         [&] {
             session()->refundPaymentSession()->setRequest(sessiontest::validRefundRequest());
             session()->setActiveSessionType(sessiontest::TavroActiveFlow::refundPayment);
             auto screen = NSObject::create<tavro::TAVROConfirmPaymentViewController>();
             screen->setScreenType(sessiontest::TavroActiveFlow::refundPayment);
             confirmWindow = NSObject::create<platform::UIWindow>();
             confirmWindow->setRootViewController(NSObject::create<tavro::TavroMerchantNavigationController>(screen));
             confirmWindow->makeKeyAndVisible();
             screen->scrollView()->prepareView(std::vector<tavro::TAVROPaymentCellModelPtr>{
                 formtest::model(tavro::CellType::paymentAmount, "10", "Amount")});
             driver.runUntilIdle();
             return Shown{confirmWindow, screen->payButton(), screen->scrollView()};
         }},
    };

    for (const auto& [name, show] : screens) {
        SCOPED_TRACE(name);
        const auto shown = show();
        ASSERT_TRUE(shown.window && shown.button);
        auto image = driver.render(shown.window);
        ASSERT_TRUE(image);
        const CGRect lastRow(0, shown.window->bounds().height() - 1, shown.window->bounds().width(), 1);
        EXPECT_EQ(render_test::countPixels(*image, lastRow, [](auto p) { return !isButtonColour(p); }), 0)
            << inWindow(shown.button);
        if (shown.form) {
            EXPECT_EQ(inWindow(shown.form).maxY(), inWindow(shown.button).minY());
        }
        driver.writePNG(shown.window, std::string("bottom-button-") + name);
        if (shown.window == session()->sdkWindow()) {
            TavroMerchantSDK::endTavroFlow();
            finishSlide();
        }
    }
}

// The share card's picture of the screen stops where the details button starts, so none of the
// button is in it.
TEST_P(BottomButtonLayoutTest, SharedPictureStopsAtTheDetailsButton)
{
    auto screen = launchRequest();
    ASSERT_TRUE(screen);
    ASSERT_TRUE(driver.tap("Save_To_Gallery_Button"));
    ASSERT_TRUE(screen->qrSnapView());
    auto picture = screen->qrSnapView()->qrImageView()->image();
    ASSERT_TRUE(picture);
    const auto button = screen->paymentDetailButton()->frame();
    EXPECT_EQ(picture->size().height, button.minY());
    EXPECT_EQ(render_test::countPixels(*picture, CGRect(platform::CGPoint(), picture->size()), isButtonColour), 0);
    EXPECT_TRUE(driver.cancelShareSheet());
}

// Nothing is drawn over the details button in any state, and the QR screen's column (name, city,
// amount, caption) ends above it, except at the smaller size with the grid expanded, where the
// column may run under the button.
TEST_P(BottomButtonLayoutTest, ColumnEndsAboveTheDetailsButton)
{
    auto screen = launchRequest();
    ASSERT_TRUE(screen);
    const auto& grid = screen->supportedNetwork();
    for (const bool amount : {false, true})
        for (const bool expanded : {false, true}) {
            SCOPED_TRACE(std::string(expanded ? "expanded" : "collapsed") + (amount ? ", amount" : ""));
            if (amount && screen->amountLabel()->isHidden()) {
                auto editor = openEditor();
                ASSERT_TRUE(editor);
                ASSERT_TRUE(driver.focus(editor->scrollView()->amountCellView()->inputTextField()));
                driver.type("25000");
                driver.pressDone();
                ASSERT_TRUE(pressUpdate());
                ASSERT_FALSE(screen->amountLabel()->isHidden());
            }
            if (grid->isExpanded() != expanded)
                grid->moreClicked(true);
            driver.runUntilIdle();

            double columnEnd = 0;
            for (const UIViewPtr& label :
                 {UIViewPtr(screen->merchantNameLabel()), UIViewPtr(screen->merchantCityLabel()),
                  UIViewPtr(screen->amountLabel()), UIViewPtr(screen->paymentDetailLabel())})
                if (!label->isHidden())
                    columnEnd = std::max(columnEnd, label->frame().maxY());
            if (!(expanded && smallScreen())) {
                EXPECT_LE(columnEnd, screen->paymentDetailButton()->frame().minY());
            }
            EXPECT_EQ(pixelsDrawnOver(session()->sdkWindow(), screen->paymentDetailButton()), 0);
            driver.writePNG(session()->sdkWindow(),
                            std::string("request-payment-") + (smallScreen() ? "small" : "large") +
                                (expanded ? "-expanded" : "-collapsed") + (amount ? "-amount" : ""));
        }
}

INSTANTIATE_TEST_SUITE_P(PhoneSizes, BottomButtonLayoutTest, ::testing::Values(CGSize{375, 667}, CGSize{320, 568}),
                         [](const auto& info) {
                             return std::to_string(int(info.param.width)) + "x" +
                                    std::to_string(int(info.param.height));
                         });
