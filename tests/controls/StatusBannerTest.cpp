#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KGSMView.h"
#include "TavroMerchantSDK/controls/KGSMViewNib.h"
#include "TavroMerchantSDK/controls/KViewControllerWithGSM.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KUIViewLoading.h"
#include "TavroMerchantSDK/support/KUtilsClassBundle.h"
#include "TavroMerchantSDK/support/StringConstants.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/NibRegistry.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIWindow.h"

#include <typeindex>

namespace controlstest {
namespace {

using platform::NSObject;
using tavro::KGSMView;
using Type = KGSMView::GSMViewType;

class BannerScreen : public platform::UIViewController, public tavro::KViewControllerWithGSM {
public:
    const std::function<void()>& animationClosure() const override { return m_closure; }
    void setAnimationClosure(std::function<void()> closure) override { m_closure = std::move(closure); }

private:
    std::function<void()> m_closure;
};

class StatusBannerTest : public ControlsTest {
protected:
    void TearDown() override
    {
        tavro::registerKitNibs();
        ControlsTest::TearDown();
    }

    // A screen in a navigation controller (or alone) in a visible window `width` points wide.
    std::shared_ptr<BannerScreen> showScreen(bool inNavigation, double width = 375)
    {
        auto screen = NSObject::create<BannerScreen>();
        window = NSObject::create<platform::UIWindow>(platform::CGRect(0, 0, width, 667));
        if (inNavigation)
            window->setRootViewController(platform::UINavigationController::create(screen));
        else
            window->setRootViewController(screen);
        window->makeKeyAndVisible();
        driver.runUntilIdle();
        return screen;
    }

    static std::shared_ptr<KGSMView> bannerIn(const platform::UIViewPtr& root)
    {
        for (const auto& view : root->subviews())
            if (auto banner = std::dynamic_pointer_cast<KGSMView>(view))
                return banner;
        return nullptr;
    }

    std::shared_ptr<platform::UIWindow> window;
};

TEST_F(StatusBannerTest, BannersAreColouredByKind)
{
    platform::DebugLogCapture log;
    const std::tuple<Type, const char*, const char*> kinds[] = {
        {Type::success, "#398C47", ".Success probably loaded from nib?"},
        {Type::warning, "#F7B600", ".Warning is undefined yet"},
        {Type::error, "#D60036", "setting up error gsm"},
    };
    for (auto [type, colour, line] : kinds) {
        log.clear();
        auto banner = KGSMView::createGSMView(type);
        ASSERT_TRUE(banner);
        EXPECT_EQ(banner->type(), type);
        EXPECT_TRUE(sameColor(banner->backgroundColor(), hex(colour))) << colour;
        EXPECT_EQ(banner->messageLabel()->font()->pointSize(), 12);
        EXPECT_TRUE(sameColor(banner->messageLabel()->textColor(), platform::UIColor::white()));
        EXPECT_TRUE(sameColor(banner->actionButton()->titleColor(platform::UIControlState::normal),
                              platform::UIColor::white()));
        EXPECT_EQ(log.lines(), std::vector<std::string>{line});
    }
    log.clear();
    auto warning = KGSMView::createGSMView(Type::warning);
    KGSMView::staticSetupGSMView(*warning);
    EXPECT_EQ(log.lines().back(), ".Warning is undefined at his point");
}

TEST_F(StatusBannerTest, TimelineOverTheNavigationBar)
{
    auto screen = showScreen(true);
    const auto& bar = screen->navigationController()->navigationBar();
    const double barTop = bar->frame().origin.y;
    platform::UIView::clearAnimationLog();
    screen->showGSM(Type::error, std::string("Amount is invalid"));
    auto banner = bannerIn(bar->superview());
    ASSERT_TRUE(banner);
    const double height = banner->frame().size.height;
    EXPECT_TRUE(banner->isHidden()) << "placed at once, shown by the queued block";
    EXPECT_EQ(banner->frame(), platform::CGRect(0, barTop - height, 375, height));
    EXPECT_FALSE(banner->actionButton()) << "no button title: the button is removed";
    EXPECT_EQ(banner->messageLabel()->text(), std::optional<std::string>("Amount is invalid"));
    auto& siblings = bar->superview()->subviews();
    EXPECT_GT(std::find(siblings.begin(), siblings.end(), banner), std::find(siblings.begin(), siblings.end(), bar));

    driver.runUntilIdle();
    EXPECT_FALSE(banner->isHidden());
    EXPECT_EQ(banner->frame().origin.y, barTop) << "slides down until it covers the bar";
    ASSERT_EQ(platform::UIView::animationLog().size(), 1u);
    EXPECT_EQ(platform::UIView::animationLog()[0].duration, 1.0);

    driver.advanceBy(0.99);
    EXPECT_EQ(platform::UIView::animationLog().size(), 1u) << "still sliding in";
    driver.advanceBy(0.02);
    ASSERT_EQ(platform::UIView::animationLog().size(), 2u) << "in at 1 s";
    const auto& out = platform::UIView::animationLog()[1];
    EXPECT_EQ(out.delay, 2.0);
    EXPECT_EQ(out.duration, 1.0);
    EXPECT_NEAR(out.startTime + out.delay, 3.0, 0.02) << "out from 3 s";
    EXPECT_EQ(banner->frame().origin.y, barTop - height);
    driver.advanceBy(2.9);
    EXPECT_TRUE(banner->superview()) << "still on screen before 4 s";
    driver.advanceBy(0.1);
    EXPECT_FALSE(banner->superview()) << "removed at 4 s";
}

TEST_F(StatusBannerTest, PlacesUnderTheBarOrInTheView)
{
    auto screen = showScreen(true);
    const auto& bar = screen->navigationController()->navigationBar();
    screen->showGSM(Type::success, std::nullopt, std::string("Retry"), false);
    auto banner = bannerIn(bar->superview());
    ASSERT_TRUE(banner);
    auto& siblings = bar->superview()->subviews();
    EXPECT_LT(std::find(siblings.begin(), siblings.end(), banner), std::find(siblings.begin(), siblings.end(), bar));
    EXPECT_EQ(banner->messageLabel()->text(), std::nullopt);
    ASSERT_TRUE(banner->actionButton());
    EXPECT_EQ(banner->actionButton()->title(platform::UIControlState::normal), std::optional<std::string>("Retry"));
    driver.runUntilIdle();
    EXPECT_EQ(banner->frame().origin.y, bar->frame().maxY()) << "ends with its top at the bar's bottom";

    // Without a navigation bar the banner goes into the view and ends under the status bar.
    auto alone = showScreen(false);
    alone->showGSM(Type::warning, std::string("Check the amount"));
    auto inView = bannerIn(alone->view());
    ASSERT_TRUE(inView);
    driver.runUntilIdle();
    EXPECT_EQ(inView->frame().origin.y, 20 + alone->view()->frame().origin.y);
    EXPECT_EQ(inView->frame().size.width, alone->view()->frame().size.width);
}

TEST_F(StatusBannerTest, TheWholeMessageShowsAtEveryWidth)
{
    const std::tuple<double, bool, std::optional<std::string>> rows[] = {
        {320, true, {}}, {375, true, {}}, {414, true, {}}, {320, false, {}}, {320, true, "Retry"}};
    for (const auto& [width, inNavigation, buttonTitle] : rows) {
        SCOPED_TRACE(::testing::Message() << width << (inNavigation ? " bar " : " ") << buttonTitle.value_or(""));
        auto screen = showScreen(inNavigation, width);
        auto bar = inNavigation ? screen->navigationController()->navigationBar() : nullptr;
        const double rest = bar ? bar->frame().origin.y : 20 + screen->view()->frame().origin.y;
        screen->showGSM(Type::error, tavro::StringConstants::ADDITIONAL_LIMIT_GSM_ERROR(), buttonTitle);
        auto banner = bannerIn(bar ? bar->superview() : screen->view());
        ASSERT_TRUE(banner);
        const double height = banner->frame().size.height;
        EXPECT_EQ(banner->frame(), platform::CGRect(0, rest - height, width, height)) << "sized before placing";
        driver.runUntilIdle();
        EXPECT_EQ(banner->frame(), platform::CGRect(0, rest, width, height)) << "slid by its height";
        auto label = banner->messageLabel();
        EXPECT_EQ(label->textRect(label->bounds(), label->numberOfLines()).size,
                  label->textRect(platform::CGRect(0, 0, label->bounds().width(), 1000), 0).size);
        EXPECT_LE(label->frame().maxY(), height);
        EXPECT_LE(label->frame().maxX(), buttonTitle ? banner->actionButton()->frame().minX() : width);
        driver.advanceBy(4);
    }
}

TEST_F(StatusBannerTest, QuickCallsGiveIndependentBanners)
{
    auto screen = showScreen(false);
    screen->showGSM(Type::success, std::string("one"));
    driver.advanceBy(0.5);
    screen->showGSM(Type::error, std::string("two"));
    std::vector<std::shared_ptr<KGSMView>> banners;
    for (const auto& view : screen->view()->subviews())
        if (auto banner = std::dynamic_pointer_cast<KGSMView>(view))
            banners.push_back(banner);
    ASSERT_EQ(banners.size(), 2u);
    driver.advanceBy(3.6);
    EXPECT_FALSE(banners[0]->superview()) << "the first is gone at its own 4 s";
    EXPECT_TRUE(banners[1]->superview());
    driver.advanceBy(0.5);
    EXPECT_FALSE(banners[1]->superview());
}

TEST_F(StatusBannerTest, UnusableNibsShowNoBannerAndOneLine)
{
    auto screen = showScreen(false);
    const auto bundle = tavro::bundleForClass(std::type_index(typeid(KGSMView)));
    auto subviewsBefore = screen->view()->subviews().size();
    auto expectNoBanner = [&](const char* what) {
        platform::DebugLogCapture log;
        screen->showGSM(Type::error, std::string("x"));
        driver.advanceBy(5);
        EXPECT_EQ(screen->view()->subviews().size(), subviewsBefore) << what;
        EXPECT_EQ(log.lines().size(), 1u) << what;
    };

    platform::NibRegistry::unregisterNib(bundle, "KGSMView");
    expectNoBanner("missing nib");

    platform::NibRegistry::registerNib(bundle, "KGSMView", [](const std::shared_ptr<void>&) {
        return platform::NibRegistry::TopLevelObjects{tavro::nibObject(NSObject::create<platform::UILabel>())};
    });
    expectNoBanner("first object of another class");

    platform::NibRegistry::registerNib(bundle, "KGSMView", [](const std::shared_ptr<void>&) {
        auto banner = NSObject::create<KGSMView>(platform::CGRect(0, 0, 375, 60));
        auto label = NSObject::create<platform::UILabel>();
        banner->addSubview(label);
        banner->setMessageLabel(label);
        return platform::NibRegistry::TopLevelObjects{tavro::nibObject(banner)};
    });
    expectNoBanner("action button not connected");

    // Called on something that is not a view controller: one line, nothing else.
    struct NotAController : tavro::KViewControllerWithGSM {
        std::function<void()> closure;
        const std::function<void()>& animationClosure() const override { return closure; }
        void setAnimationClosure(std::function<void()> c) override { closure = std::move(c); }
    } loose;
    platform::DebugLogCapture log;
    loose.showGSM(Type::error, std::string("x"));
    EXPECT_EQ(log.lines().size(), 1u);
}

} // namespace
} // namespace controlstest
