#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/SessionServices.h"
#include "TavroMerchantSDK/support/TAVROThemes.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIScreen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tavro {
namespace {

using platform::UIColor;
using platform::UIColorPtr;
using platform::UIControlState;

struct Rgb {
    int r;
    int g;
    int b;
};

Rgb rgbOf(const UIColorPtr& color)
{
    return {static_cast<int>(std::lround(color->redComponent() * 255)),
            static_cast<int>(std::lround(color->greenComponent() * 255)),
            static_cast<int>(std::lround(color->blueComponent() * 255))};
}

TEST(UIColorExtensions, HexStringsKnownAnswers)
{
    struct Case {
        const char* text;
        Rgb expected;
    };
    const Case cases[] = {
        {"#F7B600", {247, 182, 0}},       {"#f7b600", {247, 182, 0}},
        {"F7B600", {247, 182, 0}},        {"  #F7B600\n", {247, 182, 0}},
        {"\t#003ea9 \r\n", {0, 62, 169}}, {"#GG0000", {0, 0, 0}}, // a piece without hex digits reads as 0
        {"#1G0000", {1, 0, 0}},                                   // the scanner stops at the first non-digit
        {"#00GG7F", {0, 0, 127}},         {"#FFFFFF", {255, 255, 255}},
    };
    for (const auto& c : cases) {
        auto color = colorWithHexString(c.text);
        ASSERT_TRUE(color) << c.text;
        auto rgb = rgbOf(color);
        EXPECT_EQ(rgb.r, c.expected.r) << c.text;
        EXPECT_EQ(rgb.g, c.expected.g) << c.text;
        EXPECT_EQ(rgb.b, c.expected.b) << c.text;
        EXPECT_EQ(color->alphaComponent(), 1.0) << c.text;
    }
}

TEST(UIColorExtensions, TextsOfTheWrongLengthGiveGray)
{
    for (const char* text : {"", "#", "#FFF", "##F7B600", "#F7B6001", "F7B60", "#F7 B600"}) {
        auto color = colorWithHexString(text);
        ASSERT_TRUE(color) << text;
        EXPECT_EQ(*color, *UIColor::gray()) << text;
    }
    // Six characters, not six bytes: accented letters count once and read as no digits.
    EXPECT_EQ(*colorWithHexString("#ÉÉ00FF"), *UIColor::create(0, 0, 1));
}

TEST(UIColorExtensions, NamedColoursAreNewObjects)
{
    EXPECT_EQ(*colorWithRGBA(51, 164, 122, 1), *approvalGreenColor());
    EXPECT_EQ(*colorWithRGBA(255, 0, 0, 0.5), *UIColor::create(1, 0, 0, 0.5));
    EXPECT_EQ(*defaultSdkActionButtonFontColor(), *defaultSdkfontColor());
    EXPECT_EQ(*defaultSdkActionButtonFontColor(), *UIColor::white());
    EXPECT_EQ(*lightActiveElementColor(), *colorWithHexString("#1D2A59"));
    EXPECT_NE(defaultSdkBackgroundColor(), defaultSdkBackgroundColor()) << "callers may not share one object";
}

TEST(KUITheme, RawValues)
{
    EXPECT_EQ(KUIThemeFromRawValue(0), KUITheme::lightUI);
    EXPECT_EQ(KUIThemeFromRawValue(1), KUITheme::darkUI);
    EXPECT_FALSE(KUIThemeFromRawValue(2).has_value());
    EXPECT_FALSE(KUIThemeFromRawValue(-1).has_value());
    EXPECT_EQ(std::hash<KUITheme>{}(KUITheme::darkUI), std::hash<KUITheme>{}(KUITheme::darkUI));
}

TEST(KThemes, CurrentThemeStartsDarkAndCanBeReplaced)
{
    auto original = KThemes::currentTheme();
    ASSERT_TRUE(original);
    EXPECT_EQ(original, KThemes::currentTheme());
    EXPECT_EQ(original->uiTheme(), KUITheme::darkUI);

    auto light = std::make_shared<KThemes>(KUITheme::lightUI);
    KThemes::setCurrentTheme(light);
    EXPECT_EQ(KThemes::currentTheme(), light);
    {
        platform::DebugLogCapture log;
        KThemes::setCurrentTheme(nullptr);
        EXPECT_EQ(log.lines().size(), 1u);
        EXPECT_EQ(KThemes::currentTheme(), light);

        light->setUiTheme(static_cast<KUITheme>(7));
        EXPECT_EQ(log.lines().size(), 2u);
        EXPECT_EQ(light->uiTheme(), KUITheme::lightUI);
    }
    KThemes::setCurrentTheme(original);
}

TEST(KThemes, ColoursAreTheSharedConstants)
{
    EXPECT_EQ(KThemes::actionUIColor(), KDefaultConstants::ACTION_UI_COLOR());
    EXPECT_EQ(KThemes::uiColor(KUITheme::lightUI), KDefaultConstants::LIGHT_UI_COLOR());
    EXPECT_EQ(KThemes::uiElementAltColor(KUITheme::darkUI), KDefaultConstants::DARK_UI_ELEMENT_ALT_COLOR());
    EXPECT_EQ(*KDefaultConstants::DARK_UI_ELEMENT_ALT_COLOR(), *colorWithHexString("#8B8C9C"));
    EXPECT_EQ(KThemes::defaultH1Font()->pointSize(), 60);
}

TEST(KThemes, ColorAdjustedForStateReplacesAlphaForSingleStatesOnly)
{
    auto translucent = UIColor::create(0.2, 0.4, 0.6, 0.5);
    auto disabled = KThemes::colorAdjustedForState(translucent, UIControlState::disabled);
    EXPECT_EQ(*disabled, *UIColor::create(0.2, 0.4, 0.6, 0.3));
    auto highlighted = KThemes::colorAdjustedForState(translucent, UIControlState::highlighted);
    EXPECT_EQ(*highlighted, *UIColor::create(0.2, 0.4, 0.6, 0.7));
    for (auto state :
         {UIControlState::normal, UIControlState::selected, UIControlState::highlighted | UIControlState::selected,
          UIControlState::disabled | UIControlState::highlighted}) {
        EXPECT_EQ(KThemes::colorAdjustedForState(translucent, state), translucent);
    }
    EXPECT_EQ(KThemes::colorAdjustedForState(nullptr, UIControlState::disabled), nullptr);
}

// The colour of the centre pixel of a state's background image.
platform::RGBA8 backgroundPixel(const platform::UIButton& button, UIControlState state)
{
    auto image = button.backgroundImage(state);
    if (!image)
        return {};
    return image->pixelAt(image->pixelWidth() / 2, image->pixelHeight() / 2);
}

TEST(TAVROThemes, ColoursFlowButtonsFromTheConfiguration)
{
    platform::UIScreen::main();
    auto button = platform::NSObject::create<platform::UIButton>();

    // Without a configuration: the configuration's initial colours.
    TAVROThemes::setThemeForButton(*button);
    EXPECT_EQ(backgroundPixel(*button, UIControlState::normal), (platform::RGBA8{0x00, 0x3E, 0xA9, 255}));
    EXPECT_EQ(backgroundPixel(*button, UIControlState::disabled), (platform::RGBA8{0x00, 0x3E, 0xA9, 255}));
    EXPECT_EQ(backgroundPixel(*button, UIControlState::highlighted), (platform::RGBA8{0x18, 0x69, 0xD6, 255}));
    EXPECT_EQ(*button->titleColor(UIControlState::normal), *UIColor::white());

    registerActionButtonColorsProvider([] {
        return ActionButtonColors{colorWithHexString("#102030"), colorWithHexString("#405060"),
                                  colorWithHexString("#708090")};
    });
    auto themed = platform::NSObject::create<platform::UIButton>();
    TAVROThemes::setThemeForButton(*themed);
    registerActionButtonColorsProvider(nullptr);

    EXPECT_EQ(backgroundPixel(*themed, UIControlState::normal), (platform::RGBA8{0x10, 0x20, 0x30, 255}));
    // A disabled flow button keeps the normal colour, undimmed.
    EXPECT_EQ(backgroundPixel(*themed, UIControlState::disabled), (platform::RGBA8{0x10, 0x20, 0x30, 255}));
    EXPECT_EQ(backgroundPixel(*themed, UIControlState::highlighted), (platform::RGBA8{0x40, 0x50, 0x60, 255}));
    EXPECT_EQ(*themed->titleColor(UIControlState::normal), *colorWithHexString("#708090"));
    // Only the normal state's title colour is set; the others fall back to it.
    EXPECT_EQ(themed->titleColor(UIControlState::highlighted), themed->titleColor(UIControlState::normal));

    themed->setEnabled(false);
    EXPECT_EQ(themed->currentBackgroundImage(), themed->backgroundImage(UIControlState::disabled));
}

} // namespace
} // namespace tavro
