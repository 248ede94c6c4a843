#include "controls/ControlsTestSupport.h"

#include "TavroMerchantSDK/controls/KButton.h"
#include "TavroMerchantSDK/controls/KPrimaryButton.h"
#include "TavroMerchantSDK/controls/KSecondaryButtonTitle.h"
#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/NSAttributedStringExtensions.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIFont.h"

#include <cmath>

namespace controlstest {
namespace {

using platform::NSAttributedStringKey;
using platform::NSObject;
using platform::UIControlState;
using tavro::KButton;
using tavro::KDefaultConstants;
using tavro::KPrimaryButton;
using tavro::KSecondaryButtonTitle;

platform::UIColorPtr titleColorOf(const KButton& button, UIControlState state)
{
    auto title = button.attributedTitle(state);
    if (!title)
        return nullptr;
    auto value = firstAttribute(*title, NSAttributedStringKey::foregroundColor);
    return value ? value->asColor() : nullptr;
}

using ButtonFamilyTest = ControlsTest;

TEST_F(ButtonFamilyTest, TitlesCarryKernAndTheNormalColourDimmedPerState)
{
    auto button = NSObject::create<KButton>();
    button->setTitle("Pay", UIControlState::normal);
    const auto element = KDefaultConstants::DARK_UI_ELEMENT_COLOR();
    for (auto [state, alpha] : {std::pair{UIControlState::normal, 1.0},
                                {UIControlState::highlighted, 0.7},
                                {UIControlState::disabled, 0.3}}) {
        auto title = button->attributedTitle(state);
        ASSERT_TRUE(title) << static_cast<int>(state);
        EXPECT_EQ(title->string(), "Pay");
        EXPECT_EQ(firstAttribute(*title, NSAttributedStringKey::kern)->asNumber(), 1.0);
        EXPECT_TRUE(sameColor(titleColorOf(*button, state), element->withAlphaComponent(alpha)));
    }

    // A highlighted title of its own still takes the normal colour at 0.7; another state's colour
    // never reaches the attributed title.
    button->setTitleColor(platform::UIColor::red(), UIControlState::highlighted);
    button->setTitle("Paying", UIControlState::highlighted);
    EXPECT_EQ(button->attributedTitle(UIControlState::highlighted)->string(), "Paying");
    EXPECT_TRUE(sameColor(titleColorOf(*button, UIControlState::highlighted), element->withAlphaComponent(0.7)));
    EXPECT_EQ(button->attributedTitle(UIControlState::disabled)->string(), "Pay");

    // Clearing the normal title clears the states that had no title of their own.
    button->setTitle(std::nullopt, UIControlState::normal);
    EXPECT_FALSE(button->attributedTitle(UIControlState::normal));
    EXPECT_FALSE(button->attributedTitle(UIControlState::disabled));
    EXPECT_EQ(button->attributedTitle(UIControlState::highlighted)->string(), "Paying");

    // Spacing shows at the next rebuild only.
    button->setSpacing(3);
    EXPECT_EQ(
        firstAttribute(*button->attributedTitle(UIControlState::highlighted), NSAttributedStringKey::kern)->asNumber(),
        1.0);
    button->setTitle("Pay", UIControlState::normal);
    EXPECT_EQ(firstAttribute(*button->attributedTitle(UIControlState::normal), NSAttributedStringKey::kern)->asNumber(),
              3.0);
}

TEST_F(ButtonFamilyTest, TitleColourChangesRebuildOnlyExistingTitles)
{
    auto button = NSObject::create<KButton>();
    button->setTitleColor(platform::UIColor::green(), UIControlState::normal);
    EXPECT_FALSE(button->attributedTitle(UIControlState::normal)) << "no title yet, nothing built";
    button->setTitle("Go", UIControlState::normal);
    EXPECT_TRUE(sameColor(titleColorOf(*button, UIControlState::normal), platform::UIColor::green()));
    button->setTitleColor(platform::UIColor::blue(), UIControlState::normal);
    EXPECT_TRUE(
        sameColor(titleColorOf(*button, UIControlState::disabled), platform::UIColor::blue()->withAlphaComponent(0.3)));

    // No normal colour at all: titles without a foreground colour.
    button->setTitleColor(nullptr, UIControlState::normal);
    ASSERT_TRUE(button->attributedTitle(UIControlState::normal));
    EXPECT_FALSE(
        firstAttribute(*button->attributedTitle(UIControlState::normal), NSAttributedStringKey::foregroundColor));

    // The light theme gives the light element colour at creation.
    tavro::KThemes::currentTheme()->setUiTheme(tavro::KUITheme::lightUI);
    auto light = NSObject::create<KButton>();
    light->setTitle("Go", UIControlState::normal);
    EXPECT_TRUE(sameColor(titleColorOf(*light, UIControlState::normal), KDefaultConstants::LIGHT_UI_ELEMENT_COLOR()));
}

TEST_F(ButtonFamilyTest, IconsAreDimmedPerStateAndClearedTogether)
{
    auto button = NSObject::create<KButton>();
    auto icon = tavro::imageWithColor(platform::UIColor::red(), platform::CGSize{4, 4});
    button->setIcon(icon);
    EXPECT_EQ(button->backgroundImage(UIControlState::normal), icon);
    EXPECT_NEAR(button->backgroundImage(UIControlState::highlighted)->pixelAt(1, 1).a, 0.7 * 255, 1);
    EXPECT_NEAR(button->backgroundImage(UIControlState::disabled)->pixelAt(1, 1).a, 0.3 * 255, 1);
    button->setIcon(nullptr);
    for (auto state : {UIControlState::normal, UIControlState::highlighted, UIControlState::disabled})
        EXPECT_FALSE(button->backgroundImage(state));
}

TEST_F(ButtonFamilyTest, SoftHeightsLoseToTheHost)
{
    auto primary = NSObject::create<KPrimaryButton>();
    auto secondary = NSObject::create<KSecondaryButtonTitle>();
    for (auto [button, height] : {std::pair<platform::UIViewPtr, double>{primary, 60}, {secondary, 22}}) {
        EXPECT_FALSE(button->translatesAutoresizingMaskIntoConstraints());
        auto heights = ownConstraints(button, platform::NSLayoutAttribute::height);
        ASSERT_EQ(heights.size(), 1u);
        EXPECT_EQ(heights[0]->constant(), height);
        EXPECT_EQ(heights[0]->priority(), 800);
        EXPECT_TRUE(heights[0]->isActive());

        auto host = NSObject::create<platform::UIView>(platform::CGRect(0, 0, 300, 300));
        host->addSubview(button);
        using platform::NSLayoutAttribute;
        using platform::NSLayoutConstraint;
        using platform::NSLayoutRelation;
        NSLayoutConstraint::activate({
            NSLayoutConstraint::create(button, NSLayoutAttribute::top, NSLayoutRelation::equal, host,
                                       NSLayoutAttribute::top),
            NSLayoutConstraint::create(button, NSLayoutAttribute::left, NSLayoutRelation::equal, host,
                                       NSLayoutAttribute::left),
            NSLayoutConstraint::create(button, NSLayoutAttribute::width, NSLayoutRelation::equal, nullptr,
                                       NSLayoutAttribute::notAnAttribute, 1, 100),
        });
        host->layoutIfNeeded();
        EXPECT_EQ(button->frame().size.height, height);
        NSLayoutConstraint::create(button, NSLayoutAttribute::height, NSLayoutRelation::equal, nullptr,
                                   NSLayoutAttribute::notAnAttribute, 1, 44)
            ->setActive(true);
        host->layoutIfNeeded();
        EXPECT_EQ(button->frame().size.height, 44) << "the host's required height wins";
    }

    EXPECT_EQ(primary->titleLabel()->font()->pointSize(), 16);
    EXPECT_EQ(primary->backgroundImage(UIControlState::normal)->pixelAt(0, 0),
              (platform::RGBA8{0x00, 0x3E, 0xA9, 255}));
    EXPECT_EQ(primary->backgroundImage(UIControlState::highlighted)->pixelAt(0, 0),
              (platform::RGBA8{0x18, 0x69, 0xD6, 255}));
    EXPECT_FALSE(secondary->backgroundImage(UIControlState::normal));
}

TEST_F(ButtonFamilyTest, MinimumWidthFollowsTheMeasuredTitle)
{
    auto button = NSObject::create<KSecondaryButtonTitle>(platform::CGRect(0, 0, 10, 22));
    EXPECT_EQ(button->minimumWidth(), 0);
    button->setTitle("Details", UIControlState::normal);
    auto needed = tavro::requiredWidth(*button->attributedTitle(UIControlState::normal), 22);
    EXPECT_GT(needed, 20);
    EXPECT_EQ(button->minimumWidth(), std::ceil(needed) + 6);
    // Wider with more spacing: the kern is part of what is measured.
    button->setSpacing(5);
    button->setTitle("Details", UIControlState::normal);
    EXPECT_GT(button->minimumWidth(), std::ceil(needed) + 6);
}

TEST_F(ButtonFamilyTest, NibButtonsGetTheirArchivedTitleStyled)
{
    platform::DebugLogCapture log;
    auto button = NSObject::create<KPrimaryButton>(
        tavro::KButtonArchive{platform::CGRect(0, 0, 200, 60), platform::UIButtonType::system, "Update"});
    auto title = button->attributedTitle(UIControlState::disabled);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->string(), "Update");
    auto font = firstAttribute(*title, NSAttributedStringKey::font)->asFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->pointSize(), 16) << "the font the defaults just chose";
    EXPECT_EQ(ownConstraints(button, platform::NSLayoutAttribute::height).size(), 1u);

    button->awakeFromNib();
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Warning: buttonType should be Custom in IB"});
    auto custom = NSObject::create<KButton>(tavro::KButtonArchive{});
    custom->awakeFromNib();
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_FALSE(custom->attributedTitle(UIControlState::normal));
}

} // namespace
} // namespace controlstest
