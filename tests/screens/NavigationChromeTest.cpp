#include "core/SessionTestFixture.h"

#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/screens/TAVRORefundPaymentViewController.h"
#include "TavroMerchantSDK/screens/TAVRORequestPaymentViewController.h"
#include "TavroMerchantSDK/screens/TavroBaseViewController.h"
#include "TavroMerchantSDK/screens/TavroMerchantNavigationController.h"
#include "TavroMerchantSDK/support/FrameworkBundle.h"
#include "platform/foundation/Bundle.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIBarButtonItem.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UINavigationItem.h"

using namespace sessiontest;
using platform::NSObject;
using platform::UIColor;
using tavro::TavroMerchantNavigationController;
using tavro::TavroMerchantSDK;

namespace {

std::shared_ptr<TavroMerchantNavigationController> makeNavigation(platform::UIViewControllerPtr root)
{
    return NSObject::create<TavroMerchantNavigationController>(std::move(root));
}

} // namespace

TEST_F(SessionTest, NavigationBarIsFlatOpaqueAndColouredFromTheConfiguration)
{
    auto config = NSObject::create<tavro::TavroConfig>();
    config->setFontColor(UIColor::yellow());
    config->setBackgroundColor(UIColor::purple());
    session()->setConfiguration(config);

    auto navigation = makeNavigation(NSObject::create<platform::UIViewController>());
    const auto& bar = navigation->navigationBar();
    EXPECT_FALSE(bar->isTranslucent());
    EXPECT_FALSE(bar->showsShadowLine());
    ASSERT_TRUE(bar->backgroundImage());
    EXPECT_EQ(bar->backgroundImage()->size(), platform::CGSize());
    EXPECT_TRUE(platform::isEqual(bar->tintColor(), UIColor::yellow()));
    EXPECT_TRUE(platform::isEqual(bar->barTintColor(), UIColor::purple()));
    ASSERT_TRUE(bar->titleTextAttributes());
    const auto& attributes = *bar->titleTextAttributes();
    auto font = attributes.at(platform::NSAttributedStringKey::font).asFont();
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->isBold());
    EXPECT_EQ(font->pointSize(), 20);

    EXPECT_EQ(navigation->preferredStatusBarStyle(), platform::UIStatusBarStyle::lightContent);
    EXPECT_EQ(navigation->supportedInterfaceOrientations(), platform::UIInterfaceOrientationMask::portrait);
    EXPECT_FALSE(navigation->shouldAutorotate());

    // Made by nib name: no styling, and the nib comes from the framework bundle whatever is passed.
    auto other = platform::Bundle::main();
    auto byNib = NSObject::create<TavroMerchantNavigationController>(std::optional<std::string>("Chrome"), other);
    EXPECT_TRUE(byNib->navigationBar()->isTranslucent());
    EXPECT_FALSE(byNib->navigationBar()->barTintColor());
    EXPECT_EQ(byNib->nibBundle(), tavro::frameworkBundle());
}

TEST_F(SessionTest, EveryScreenGetsTheBackButton)
{
    auto root = NSObject::create<platform::UIViewController>();
    auto navigation = makeNavigation(root);
    const auto& items = root->navigationItem()->leftBarButtonItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0]->isFixedSpace());
    EXPECT_EQ(items[0]->width(), -10);
    EXPECT_EQ(items[1]->accessibilityIdentifier(), std::optional<std::string>("Back_Button"));
    EXPECT_TRUE(platform::isEqual(items[1]->tintColor(), UIColor::white()));
    auto button = std::dynamic_pointer_cast<tavro::KSecondaryButtonIcon>(items[1]->customView());
    ASSERT_TRUE(button) << "the back button is the kit's round icon button";
    EXPECT_EQ(button->frame(), platform::CGRect(0, 0, 40, 40));
    EXPECT_TRUE(button->translatesAutoresizingMaskIntoConstraints()) << "placed by the bar through its frame";
    EXPECT_EQ(button->image(platform::UIControlState::normal), session()->internalConfiguration()->issuerBackButton());
    EXPECT_EQ(button->backgroundImage(platform::UIControlState::highlighted)->pixelAt(0, 0),
              (platform::RGBA8{0x18, 0x69, 0xD6, 255}));
    EXPECT_EQ(navigation->navigationBar()->delegate(), navigation) << "the controller is its bar's delegate";

    // A screen that already has a back item only gets the configured image in it.
    auto pushed = NSObject::create<platform::UIViewController>();
    pushed->navigationItem()->setBackBarButtonItem(platform::UIBarButtonItem::withTitle("Back"));
    navigation->pushViewController(pushed, false);
    EXPECT_TRUE(pushed->navigationItem()->leftBarButtonItems().empty());
    ASSERT_TRUE(pushed->navigationItem()->backBarButtonItem());
    EXPECT_EQ(pushed->navigationItem()->backBarButtonItem()->image(),
              session()->internalConfiguration()->issuerBackButton());
    EXPECT_FALSE(pushed->navigationItem()->backBarButtonItem()->title());
}

TEST_F(SessionTest, PushesAlwaysAnimate)
{
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    finishSlide();
    auto navigation = shownNavigation();
    ASSERT_TRUE(navigation);
    auto pushed = NSObject::create<platform::UIViewController>();
    navigation->pushViewController(pushed, false);
    driver.runUntilIdle();
    EXPECT_FALSE(pushed->hasAppeared());
    driver.advanceBy(0.3);
    EXPECT_TRUE(pushed->hasAppeared());
    EXPECT_EQ(pushed->navigationItem()->leftBarButtonItems().size(), 2u);
}

TEST_F(SessionTest, BackButtonAtTheRootClosesEitherFlowWithoutAResult)
{
    for (bool refund : {false, true}) {
        SCOPED_TRACE(refund ? "refund" : "request payment");
        int results = 0;
        if (refund)
            TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [&](bool, auto, auto) { ++results; });
        else
            TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [&](bool, auto, auto) { ++results; });
        finishSlide();
        session()->requestPaymentSession()->setIsUpdated(true);
        ASSERT_TRUE(driver.tap("Back_Button"));
        // Cleared at once in the request flow (the flow is still set during the slide).
        EXPECT_EQ(session()->requestPaymentSession()->isUpdated(), refund);
        finishSlide();
        EXPECT_EQ(keyWindow(), host);
        EXPECT_FALSE(session()->sdkWindow()->rootViewController());
        EXPECT_EQ(session()->activeSessionType(), TavroActiveFlow::none);
        EXPECT_EQ(results, 0);
    }
}

TEST_F(SessionTest, BackButtonOnAPushedScreenPops)
{
    for (bool refund : {false, true}) {
        SCOPED_TRACE(refund ? "refund" : "request payment");
        if (refund)
            TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
        else
            TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
        finishSlide();
        auto navigation = shownNavigation();
        navigation->pushViewController(NSObject::create<platform::UIViewController>(), true);
        driver.advanceBy(0.5);
        session()->requestPaymentSession()->setIsUpdated(true);
        ASSERT_TRUE(driver.tap("Back_Button"));
        driver.advanceBy(0.5);
        EXPECT_EQ(navigation->viewControllers().size(), 1u);
        EXPECT_EQ(session()->sdkWindow()->rootViewController(), navigation);
        EXPECT_EQ(session()->requestPaymentSession()->isUpdated(), refund);
        TavroMerchantSDK::endTavroFlow();
        finishSlide();
    }
}

TEST_F(SessionTest, BaseScreenPaintsTheConfiguredBackground)
{
    auto config = NSObject::create<tavro::TavroConfig>();
    config->setBackgroundColor(UIColor::orange());
    session()->setConfiguration(config);
    auto screen = NSObject::create<tavro::TAVRORefundPaymentViewController>();
    EXPECT_TRUE(platform::isEqual(screen->view()->backgroundColor(), UIColor::orange()));
    EXPECT_EQ(screen->GSMDuration(), 4.0);
    EXPECT_FALSE(screen->animationClosure());
    EXPECT_EQ(screen->preferredStatusBarStyle(), platform::UIStatusBarStyle::lightContent);
    EXPECT_EQ(screen->supportedInterfaceOrientations(), platform::UIInterfaceOrientationMask::portrait);
    EXPECT_FALSE(screen->shouldAutorotate());
}

TEST_F(SessionTest, LaunchedRequestPaymentWindowRenders)
{
    TavroMerchantSDK::launchRequestPaymentFlow(validPaymentRequest(), [](bool, auto, auto) {});
    finishSlide();
    auto image = driver.render(session()->sdkWindow());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (platform::CGSize{375, 667}));
    EXPECT_TRUE(driver.writePNG(session()->sdkWindow(), "request-payment-launch"));

    // The back button (a round icon button) shows the configured arrow: white pixels inside it.
    auto button =
        shownNavigation()->viewControllers().front()->navigationItem()->leftBarButtonItems().back()->customView();
    ASSERT_TRUE(button);
    ASSERT_TRUE(button->window());
    EXPECT_EQ(button->layer()->cornerRadius(), 20);
    auto frame = button->convert(button->bounds(), nullptr);
    int white = 0;
    for (int y = static_cast<int>(frame.origin.y * 2); y < static_cast<int>(frame.maxY() * 2); ++y)
        for (int x = static_cast<int>(frame.origin.x * 2); x < static_cast<int>(frame.maxX() * 2); ++x)
            white += image->pixelAt(x, y) == platform::RGBA8{255, 255, 255, 255};
    EXPECT_GT(white, 20);
}

TEST_F(SessionTest, BaseScreensShowTheStatusBanner)
{
    TavroMerchantSDK::launchRefundPaymentFlow(validRefundRequest(), [](bool, auto, auto) {});
    finishSlide();
    auto screen = std::dynamic_pointer_cast<tavro::TavroBaseViewController>(shownNavigation()->topViewController());
    ASSERT_TRUE(screen);
    const auto& bar = shownNavigation()->navigationBar();
    screen->showGSM(tavro::KGSMView::GSMViewType::error, std::string("Amount is invalid"));
    driver.runUntilIdle();
    auto banner = driver.find("GSM_Message");
    ASSERT_TRUE(banner);
    auto strip = banner->superview();
    EXPECT_EQ(strip->superview(), bar->superview()) << "over the navigation bar";
    EXPECT_EQ(strip->frame().origin.y, bar->frame().origin.y);
    driver.advanceBy(4.01);
    EXPECT_FALSE(strip->superview());
}
