// Renders every control of the kit's buttons, banner, check boxes and spinner in each of its states
// to PNG files in the artifact directory, and checks the pixels that show each state.
#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KActivityIndicator.h"
#include "TavroMerchantSDK/controls/KCheckbox.h"
#include "TavroMerchantSDK/controls/KCheckboxWithText.h"
#include "TavroMerchantSDK/controls/KGSMView.h"
#include "TavroMerchantSDK/controls/KPrimaryButton.h"
#include "TavroMerchantSDK/controls/KSecondaryButtonIcon.h"
#include "TavroMerchantSDK/controls/KSecondaryButtonTitle.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"

#include <filesystem>

namespace controlstest {
namespace {

using platform::CGRect;
using platform::NSObject;
using platform::RGBA8;
using platform::UIControlState;
using KGSMViewType = tavro::KGSMView::GSMViewType;

constexpr RGBA8 kWhite{255, 255, 255, 255};

class GalleryTest : public ControlsTest {
protected:
    // Lays `control` out at `frame` on a plain white host, renders it and writes it as `name`.
    platform::UIImagePtr shoot(const platform::UIViewPtr& control, const CGRect& frame, const std::string& name)
    {
        if (control->superview() == nullptr) {
            auto host = NSObject::create<platform::UIView>(CGRect(0, 0, 400, 200));
            host->addSubview(control);
            hosts.push_back(host);
        }
        control->setTranslatesAutoresizingMaskIntoConstraints(true);
        control->setFrame(frame);
        control->superview()->layoutIfNeeded();
        auto path = driver.writePNG(control, "controls-gallery/" + name);
        EXPECT_TRUE(path && std::filesystem::exists(*path)) << name;
        return driver.render(control);
    }

    // The pixel at a point of the picture (scale 2).
    static RGBA8 at(const platform::UIImagePtr& image, double x, double y)
    {
        return image->pixelAt(static_cast<int>(x * 2), static_cast<int>(y * 2));
    }

    static int count(const platform::UIImagePtr& image, const CGRect& rect, RGBA8 colour)
    {
        int found = 0;
        for (int y = static_cast<int>(rect.origin.y * 2); y < static_cast<int>(rect.maxY() * 2); ++y)
            for (int x = static_cast<int>(rect.origin.x * 2); x < static_cast<int>(rect.maxX() * 2); ++x)
                found += image->pixelAt(x, y) == colour;
        return found;
    }

    std::vector<platform::UIViewPtr> hosts;
};

TEST_F(GalleryTest, TextButtonsPerState)
{
    auto primary = NSObject::create<tavro::KPrimaryButton>();
    primary->setTitle("PAY", UIControlState::normal);
    auto normal = shoot(primary, CGRect(0, 0, 200, 60), "primary-normal");
    EXPECT_EQ(at(normal, 4, 4), (RGBA8{0x00, 0x3E, 0xA9, 255}));
    EXPECT_GT(count(normal, CGRect(60, 10, 80, 40), kWhite), 20) << "the white title";
    primary->setHighlighted(true);
    auto pressed = shoot(primary, CGRect(0, 0, 200, 60), "primary-highlighted");
    EXPECT_EQ(at(pressed, 4, 4), (RGBA8{0x18, 0x69, 0xD6, 255}));
    EXPECT_EQ(count(pressed, CGRect(60, 10, 80, 40), kWhite), 0) << "the title dimmed to 0.7";
    primary->setHighlighted(false);
    primary->setEnabled(false);
    auto disabled = shoot(primary, CGRect(0, 0, 200, 60), "primary-disabled");
    EXPECT_EQ(at(disabled, 4, 4), (RGBA8{0x00, 0x3E, 0xA9, 255}));
    EXPECT_EQ(count(disabled, CGRect(60, 10, 80, 40), kWhite), 0);

    tavro::KThemes::currentTheme()->setUiTheme(tavro::KUITheme::lightUI);
    auto secondary = NSObject::create<tavro::KSecondaryButtonTitle>();
    secondary->setTitle("Details", UIControlState::normal);
    const RGBA8 ink{0x1D, 0x2A, 0x59, 255};
    auto plain = shoot(secondary, CGRect(0, 0, 120, 22), "secondary-title-normal");
    EXPECT_GT(count(plain, CGRect(0, 0, 120, 22), ink), 10) << "the light theme's element colour";
    EXPECT_EQ(at(plain, 1, 1).a, 0) << "no background";
    secondary->setEnabled(false);
    auto faded = shoot(secondary, CGRect(0, 0, 120, 22), "secondary-title-disabled");
    EXPECT_EQ(count(faded, CGRect(0, 0, 120, 22), ink), 0);
}

TEST_F(GalleryTest, IconButtonPerState)
{
    auto icon = NSObject::create<tavro::KSecondaryButtonIcon>();
    icon->setImage(tavro::tavroImage("icon_left_arrow"), UIControlState::normal);
    auto normal = shoot(icon, CGRect(0, 0, 40, 40), "icon-button-normal");
    EXPECT_GT(count(normal, CGRect(8, 8, 24, 24), kWhite), 10) << "the arrow";
    icon->setHighlighted(true);
    auto pressed = shoot(icon, CGRect(0, 0, 40, 40), "icon-button-highlighted");
    EXPECT_EQ(at(pressed, 20, 4), (RGBA8{0x18, 0x69, 0xD6, 255})) << "active colour inside the circle";
    EXPECT_EQ(at(pressed, 1, 1).a, 0) << "clear outside the circle";
}

TEST_F(GalleryTest, BannersShowTheirColourBand)
{
    const std::tuple<KGSMViewType, const char*, RGBA8> kinds[] = {
        {KGSMViewType::success, "success", {0x39, 0x8C, 0x47, 255}},
        {KGSMViewType::warning, "warning", {0xF7, 0xB6, 0x00, 255}},
        {KGSMViewType::error, "error", {0xD6, 0x00, 0x36, 255}},
    };
    for (auto [type, name, band] : kinds) {
        auto banner = tavro::KGSMView::createGSMView(type);
        ASSERT_TRUE(banner);
        banner->messageLabel()->setText("Payment details were updated");
        banner->actionButton()->setTitle("OK", UIControlState::normal);
        auto picture = shoot(banner, CGRect(0, 0, 375, banner->frame().size.height), std::string("banner-") + name);
        for (double x : {2.0, 187.0, 372.0})
            EXPECT_EQ(at(picture, x, 2), band) << name << " at " << x;
        EXPECT_GT(count(picture, CGRect(16, 8, 200, 44), kWhite), 20) << name << ": white message";
    }
}

TEST_F(GalleryTest, CheckBoxesPerState)
{
    const RGBA8 fill{0x15, 0x19, 0x5A, 255};
    auto box = NSObject::create<tavro::KCheckbox>();
    auto empty = shoot(box, CGRect(0, 0, 16, 16), "checkbox-unselected");
    EXPECT_EQ(at(empty, 0.5, 8), fill) << "the border";
    EXPECT_EQ(at(empty, 8, 8).a, 0);
    box->setSelected(true);
    auto ticked = shoot(box, CGRect(0, 0, 16, 16), "checkbox-selected");
    EXPECT_GT(count(ticked, CGRect(3, 4, 10, 8), kWhite), 10) << "the tick's colour inside the box";
    EXPECT_EQ(at(ticked, 14, 14), fill);
    box->setHighlighted(true);
    auto pressed = shoot(box, CGRect(0, 0, 16, 16), "checkbox-selected-pressed");
    EXPECT_EQ(count(pressed, CGRect(3, 4, 10, 8), kWhite), 0);
    EXPECT_EQ(at(pressed, 8, 8), fill);

    auto labelled = NSObject::create<tavro::KCheckboxWithText>();
    labelled->setTextColor(platform::UIColor::black());
    labelled->setTitle("Save card for later", UIControlState::normal);
    auto off = shoot(labelled, CGRect(0, 0, 260, 24), "checkbox-with-text-unselected");
    EXPECT_GT(count(off, CGRect(28, 0, 200, 16), RGBA8{0, 0, 0, 255}), 10) << "the label";
    EXPECT_EQ(count(off, CGRect(0, 0, 16, 16), kWhite), 0);
    labelled->setSelected(true);
    auto on = shoot(labelled, CGRect(0, 0, 260, 24), "checkbox-with-text-selected");
    EXPECT_GT(count(on, CGRect(3, 4, 10, 8), kWhite), 10);
}

TEST_F(GalleryTest, SpinnerSpinningAndStopped)
{
    auto spinner = NSObject::create<tavro::KActivityIndicator>(CGRect(0, 0, 40, 40));
    spinner->setHeadColor(platform::UIColor::blue());
    spinner->start();
    auto spinning = shoot(spinner, CGRect(0, 0, 40, 40), "spinner-spinning");
    EXPECT_EQ(at(spinning, 20, 2.5), (RGBA8{0, 0, 255, 255}));
    EXPECT_EQ(at(spinning, 20, 37.5).a, 0) << "the head's gap at the bottom";
    EXPECT_EQ(at(spinning, 20 - 17.5 * 0.951, 20 + 17.5 * 0.309), (RGBA8{0xF7, 0xB6, 0x00, 255})) << "the tail";
    spinner->stop();
    driver.advanceBy(0.6);
    auto stopped = shoot(spinner, CGRect(0, 0, 40, 40), "spinner-stopped");
    EXPECT_EQ(count(stopped, CGRect(0, 0, 40, 40), RGBA8{0, 0, 255, 255}), 0) << "faded out";
}

} // namespace
} // namespace controlstest
