#include "TavroMerchantSDK/core/TavroConfig.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/DebugLog.h"

#include <gtest/gtest.h>

using platform::NSObject;
using platform::UIColor;
using platform::UIImage;
using tavro::TavroConfig;

namespace {

bool hasRGB(const platform::UIColorPtr& color, int red, int green, int blue)
{
    return color && *color == *UIColor::create(red / 255.0, green / 255.0, blue / 255.0);
}

} // namespace

TEST(TavroConfig, DefaultsAreTheDocumentedSettings)
{
    auto config = NSObject::create<TavroConfig>();
    EXPECT_TRUE(config->showWaitScreen());
    EXPECT_EQ(config->tavroLogo(), TavroConfig::TavroLogo::variant2);
    EXPECT_EQ(config->paymerchantTimeOutInSeconds(), 180);
    EXPECT_EQ(config->withdrawCashTimeOutInSeconds(), 180);
    EXPECT_EQ(config->payFriendTimeoutInSeconds(), 180);
    EXPECT_FALSE(config->supportedNetworkImage().has_value());
    ASSERT_NE(config->issuerBackButton(), nullptr);

    EXPECT_TRUE(hasRGB(config->backgroundColor(), 0x15, 0x19, 0x5A));
    EXPECT_TRUE(hasRGB(config->fontColor(), 0xFF, 0xFF, 0xFF));
    EXPECT_TRUE(hasRGB(config->actionButtonColor(), 0x00, 0x3E, 0xA9));
    EXPECT_TRUE(hasRGB(config->actionButtonActiveColor(), 0x18, 0x69, 0xD6));
    EXPECT_TRUE(hasRGB(config->actionButtonFontColor(), 0xFF, 0xFF, 0xFF));
}

TEST(TavroConfig, DefaultBackButtonIsTheTemplateBackIconFlippedForRightToLeft)
{
    const auto image = NSObject::create<TavroConfig>()->issuerBackButton();
    ASSERT_TRUE(image);
    const auto icon = tavro::tavroImageTemp(tavro::StringConstants::ICON_NAVIGATION_BACK());
    ASSERT_TRUE(icon) << "the bundle's back icon";
    EXPECT_FALSE(image->isEmpty());
    EXPECT_EQ(image->pngData(), icon->pngData());
    EXPECT_EQ(image->renderingMode(), platform::UIImageRenderingMode::alwaysTemplate);
    EXPECT_TRUE(image->flipsForRightToLeftLayoutDirection());
}

TEST(TavroConfig, TextFieldColoursFollowTheBackgroundUntilSet)
{
    auto config = NSObject::create<TavroConfig>();
    EXPECT_EQ(config->textFieldStatusColor(), config->backgroundColor());
    EXPECT_EQ(config->textCaretColor(), config->backgroundColor());

    auto red = UIColor::red();
    config->setBackgroundColor(red);
    EXPECT_EQ(config->textFieldStatusColor(), red);
    EXPECT_EQ(config->textCaretColor(), red);

    auto green = UIColor::green();
    auto blue = UIColor::blue();
    config->setTextFieldStatusColor(green);
    config->setTextCaretColor(blue);
    config->setBackgroundColor(UIColor::black());
    EXPECT_EQ(config->textFieldStatusColor(), green);
    EXPECT_EQ(config->textCaretColor(), blue);
}

TEST(TavroConfig, TimeoutsBelowOneAreReplacedBy180WithOneLine)
{
    using Setter = void (TavroConfig::*)(long long);
    using Getter = long long (TavroConfig::*)() const;
    const std::pair<Setter, Getter> timeouts[] = {
        {&TavroConfig::setPaymerchantTimeOutInSeconds, &TavroConfig::paymerchantTimeOutInSeconds},
        {&TavroConfig::setWithdrawCashTimeOutInSeconds, &TavroConfig::withdrawCashTimeOutInSeconds},
        {&TavroConfig::setPayFriendTimeoutInSeconds, &TavroConfig::payFriendTimeoutInSeconds},
    };
    for (const auto& [set, get] : timeouts) {
        auto config = NSObject::create<TavroConfig>();
        platform::DebugLogCapture log;
        (*config.*set)(30);
        EXPECT_EQ((*config.*get)(), 30);
        (*config.*set)(0);
        EXPECT_EQ((*config.*get)(), 180);
        (*config.*set)(-5);
        EXPECT_EQ((*config.*get)(), 180);
        (*config.*set)(1);
        EXPECT_EQ((*config.*get)(), 1);
        EXPECT_EQ(log.lines(), (std::vector<std::string>{"Time out seconds cannot be negative",
                                                         "Time out seconds cannot be negative"}));
    }
}

TEST(TavroConfig, MissingColoursAndImagesAreRefusedKeepingThePrevious)
{
    auto config = NSObject::create<TavroConfig>();
    const auto background = config->backgroundColor();
    const auto backButton = config->issuerBackButton();
    platform::DebugLogCapture log;
    config->setBackgroundColor(nullptr);
    config->setActionButtonColor(nullptr);
    config->setIssuerBackButton(nullptr);
    EXPECT_EQ(config->backgroundColor(), background);
    EXPECT_NE(config->actionButtonColor(), nullptr);
    EXPECT_EQ(config->issuerBackButton(), backButton);
    EXPECT_EQ(log.lines().size(), 3u);
}

TEST(TavroConfig, LogoFromRawValue)
{
    EXPECT_EQ(TavroConfig::tavroLogoFromRawValue(0), TavroConfig::TavroLogo::variant0);
    EXPECT_EQ(TavroConfig::tavroLogoFromRawValue(2), TavroConfig::TavroLogo::variant2);
    EXPECT_FALSE(TavroConfig::tavroLogoFromRawValue(3).has_value());
    EXPECT_FALSE(TavroConfig::tavroLogoFromRawValue(-1).has_value());
}

TEST(TavroConfig, DeepCopyCarriesSettingsSharesImmutablesAndStaysIndependent)
{
    auto source = NSObject::create<TavroConfig>();
    source->setIsFirstTimeTutorialEnabledForP2M(true);
    source->setIsFirstTimeTutorialEnabledForP2P(true);
    source->setIsTLVValidationRequiredForP2M(true);
    source->setShowWaitScreen(false);
    source->setTavroLogo(TavroConfig::TavroLogo::variant0);
    source->setIssuerBackButton(UIImage::create());
    source->setPaymerchantTimeOutInSeconds(10);
    source->setPayFriendTimeoutInSeconds(20);
    source->setWithdrawCashTimeOutInSeconds(30);
    source->setFontColor(UIColor::red());
    source->setActionButtonColor(UIColor::green());
    source->setActionButtonActiveColor(UIColor::blue());
    source->setActionButtonFontColor(UIColor::yellow());
    const std::vector<platform::UIImagePtr> logos = {UIImage::create(), UIImage::create(), UIImage::create()};
    source->setSupportedNetworkImage(logos);

    platform::DebugLogCapture log;
    auto copy = source->deepCopy();
    EXPECT_TRUE(log.lines().empty());
    ASSERT_NE(copy, source);

    EXPECT_TRUE(copy->isFirstTimeTutorialEnabledForP2M());
    EXPECT_TRUE(copy->isFirstTimeTutorialEnabledForP2P());
    EXPECT_FALSE(copy->isTLVValidationRequiredForP2M()); // never carried over
    EXPECT_FALSE(copy->showWaitScreen());
    EXPECT_EQ(copy->tavroLogo(), TavroConfig::TavroLogo::variant0);
    EXPECT_EQ(copy->issuerBackButton(), source->issuerBackButton());
    EXPECT_EQ(copy->paymerchantTimeOutInSeconds(), 10);
    EXPECT_EQ(copy->payFriendTimeoutInSeconds(), 20);
    EXPECT_EQ(copy->withdrawCashTimeOutInSeconds(), 30);
    EXPECT_EQ(copy->backgroundColor(), source->backgroundColor());
    EXPECT_EQ(copy->fontColor(), source->fontColor());
    EXPECT_EQ(copy->actionButtonColor(), source->actionButtonColor());
    EXPECT_EQ(copy->actionButtonActiveColor(), source->actionButtonActiveColor());
    EXPECT_EQ(copy->actionButtonFontColor(), source->actionButtonFontColor());
    ASSERT_TRUE(copy->supportedNetworkImage().has_value());
    EXPECT_EQ(*copy->supportedNetworkImage(), logos);

    // The copy's text-field colours are fixed at the source's background of the time of copying.
    const auto sourceBackground = source->backgroundColor();
    copy->setBackgroundColor(UIColor::purple());
    EXPECT_EQ(copy->textFieldStatusColor(), sourceBackground);
    EXPECT_EQ(copy->textCaretColor(), sourceBackground);

    // Later changes to the source do not reach the copy.
    source->setShowWaitScreen(true);
    source->setPaymerchantTimeOutInSeconds(99);
    source->setSupportedNetworkImage(std::nullopt);
    EXPECT_FALSE(copy->showWaitScreen());
    EXPECT_EQ(copy->paymerchantTimeOutInSeconds(), 10);
    EXPECT_TRUE(copy->supportedNetworkImage().has_value());

    EXPECT_FALSE(source->deepCopy()->supportedNetworkImage().has_value());
}
