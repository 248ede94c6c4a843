// Making and dropping each control a thousand times, with its banner or spinner animation still
// pending, leaves nothing alive (and nothing for the leak checker).
#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KActivityIndicator.h"
#include "TavroMerchantSDK/controls/KCheckbox.h"
#include "TavroMerchantSDK/controls/KCheckboxWithText.h"
#include "TavroMerchantSDK/controls/KPrimaryButton.h"
#include "TavroMerchantSDK/controls/KSecondaryButtonTitle.h"
#include "TavroMerchantSDK/controls/KViewControllerWithGSM.h"
#include "TavroMerchantSDK/controls/SecondaryButton.h"
#include "TavroMerchantSDK/controls/TavroSecondaryBarButtonItem.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIWindow.h"

#include <functional>

namespace controlstest {
namespace {

using platform::CGRect;
using platform::NSObject;

constexpr int kCycles = 1000;

class BannerScreen : public platform::UIViewController, public tavro::KViewControllerWithGSM {
public:
    const std::function<void()>& animationClosure() const override { return m_closure; }
    void setAnimationClosure(std::function<void()> closure) override { m_closure = std::move(closure); }

private:
    std::function<void()> m_closure;
};

using ControlCyclesTest = ControlsTest;

// Makes a control with `make` in a window, lets it lay out and draw, drops it and checks that it
// died.
void cycle(platform::UIDriver& driver, const std::function<platform::UIViewPtr()>& make, const char* name)
{
    auto window = NSObject::create<platform::UIWindow>();
    window->makeKeyAndVisible();
    std::vector<std::weak_ptr<platform::UIView>> made;
    for (int i = 0; i < kCycles; ++i) {
        auto control = make();
        window->addSubview(control);
        if (i % 100 == 0)
            driver.render(window);
        control->removeFromSuperview();
        made.push_back(control);
    }
    window->setHidden(true);
    window.reset();
    int alive = 0;
    for (const auto& control : made)
        alive += !control.expired();
    EXPECT_EQ(alive, 0) << name;
}

TEST_F(ControlCyclesTest, ButtonsAndCheckBoxes)
{
    using tavro::KButtonArchive;
    const auto title = platform::UIControlState::normal;
    cycle(
        driver,
        [&] {
            auto button = NSObject::create<tavro::KPrimaryButton>(CGRect(0, 0, 200, 60));
            button->setTitle("PAY", title);
            return button;
        },
        "KPrimaryButton");
    cycle(
        driver,
        [] {
            return NSObject::create<tavro::KSecondaryButtonTitle>(KButtonArchive{CGRect(0, 0, 90, 22), {}, "More"});
        },
        "KSecondaryButtonTitle");
    auto target = std::make_shared<int>(0);
    cycle(
        driver,
        [&] {
            return tavro::TavroSecondaryBarButtonItem::secondaryButtonIconItem(
                       nullptr, target, [](const std::shared_ptr<void>&, platform::UIControl&) {},
                       platform::UIColor::red())
                ->customView();
        },
        "KSecondaryButtonIcon");
    cycle(
        driver, [] { return NSObject::create<tavro::SecondaryButton>(); }, "SecondaryButton");
    cycle(
        driver,
        [] {
            auto box = NSObject::create<tavro::KCheckbox>();
            box->setSelected(true);
            return box;
        },
        "KCheckbox");
    cycle(
        driver,
        [&] {
            auto box = NSObject::create<tavro::KCheckboxWithText>(CGRect(0, 0, 200, 40));
            box->setTitle("Save card", title);
            return box;
        },
        "KCheckboxWithText");
}

TEST_F(ControlCyclesTest, SpinnersDroppedWhileTurningOrFading)
{
    auto delegate = std::make_shared<platform::CAAnimationDelegate>();
    cycle(
        driver,
        [&] {
            auto spinner = NSObject::create<tavro::KActivityIndicator>(CGRect(0, 0, 40, 40));
            spinner->start(tavro::KActivityIndicator::defaultDuration, delegate);
            spinner->start();
            spinner->stop();
            return spinner;
        },
        "KActivityIndicator");
    driver.advanceBy(1);
}

TEST_F(ControlCyclesTest, ScreensDroppedWithTheirBannersStillSliding)
{
    auto window = NSObject::create<platform::UIWindow>();
    window->makeKeyAndVisible();
    std::vector<std::weak_ptr<platform::UIViewController>> screens;
    std::vector<std::weak_ptr<platform::UIView>> banners;
    for (int i = 0; i < kCycles; ++i) {
        auto screen = NSObject::create<BannerScreen>();
        auto navigation = platform::UINavigationController::create(screen);
        window->setRootViewController(navigation);
        screen->showGSM(tavro::KGSMView::GSMViewType::error, std::string("x"), std::string("OK"), i % 2 == 0);
        if (i % 3 == 0)
            driver.runUntilIdle(); // some are sliding in, the others still queued
        for (const auto& view : navigation->view()->subviews())
            if (std::dynamic_pointer_cast<tavro::KGSMView>(view))
                banners.push_back(view);
        screens.push_back(screen);
        window->setRootViewController(nullptr);
    }
    window.reset();
    int aliveScreens = 0;
    for (const auto& screen : screens)
        aliveScreens += !screen.expired();
    EXPECT_EQ(aliveScreens, 0) << "the pending banners hold no screen";
    EXPECT_EQ(banners.size(), static_cast<std::size_t>(kCycles));

    driver.advanceBy(5);
    int aliveBanners = 0;
    for (const auto& banner : banners)
        aliveBanners += !banner.expired();
    EXPECT_EQ(aliveBanners, 0) << "each banner goes with its last animation";
}

} // namespace
} // namespace controlstest
