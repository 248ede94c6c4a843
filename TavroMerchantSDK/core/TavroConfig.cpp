#include "TavroMerchantSDK/core/TavroConfig.h"

#include "TavroMerchantSDK/support/StringConstants.h"
#include "TavroMerchantSDK/support/UIColorExtensions.h"
#include "TavroMerchantSDK/support/UIImageExtensions.h"
#include "platform/foundation/DebugLog.h"

namespace tavro {

namespace {

constexpr long long kDefaultTimeoutSeconds = 180;

long long guardedTimeout(long long seconds)
{
    if (seconds < 1) {
        platform::debugLog("Time out seconds cannot be negative");
        return kDefaultTimeoutSeconds;
    }
    return seconds;
}

// The back-arrow image, tinted by whatever shows it and mirrored in right-to-left layouts.
platform::UIImagePtr defaultBackButtonImage()
{
    auto image = tavroImageTemp(StringConstants::ICON_NAVIGATION_BACK());
    if (!image) {
        return platform::UIImage::create();
    }
    return image->withRenderingMode(platform::UIImageRenderingMode::alwaysTemplate)
        ->imageFlippedForRightToLeftLayoutDirection();
}

// Stores `color` unless it is null, which is refused with one debug line.
void assignColor(platform::UIColorPtr& field, platform::UIColorPtr color, const char* name)
{
    if (!color) {
        platform::debugLog(std::string("TavroConfig: ") + name + " cannot be nil; keeping the previous colour");
        return;
    }
    field = std::move(color);
}

} // namespace

std::optional<TavroConfig::TavroLogo> TavroConfig::tavroLogoFromRawValue(long long rawValue)
{
    if (rawValue < 0 || rawValue > 2) {
        return std::nullopt;
    }
    return static_cast<TavroLogo>(rawValue);
}

TavroConfig::TavroConfig()
    : m_issuerBackButton(defaultBackButtonImage()),
      m_backgroundColor(defaultSdkBackgroundColor()),
      m_fontColor(defaultSdkfontColor()),
      m_actionButtonColor(defaultSdkActionButtonColor()),
      m_actionButtonActiveColor(defaultSdkActionButtonActiveColor()),
      m_actionButtonFontColor(defaultSdkActionButtonFontColor())
{
}

void TavroConfig::setIssuerBackButton(platform::UIImagePtr image)
{
    if (!image) {
        platform::debugLog("TavroConfig: issuerBackButton cannot be nil; keeping the previous image");
        return;
    }
    m_issuerBackButton = std::move(image);
}

void TavroConfig::setPaymerchantTimeOutInSeconds(long long seconds)
{
    m_paymerchantTimeOutInSeconds = guardedTimeout(seconds);
}

void TavroConfig::setWithdrawCashTimeOutInSeconds(long long seconds)
{
    m_withdrawCashTimeOutInSeconds = guardedTimeout(seconds);
}

void TavroConfig::setPayFriendTimeoutInSeconds(long long seconds)
{
    m_payFriendTimeoutInSeconds = guardedTimeout(seconds);
}

void TavroConfig::setBackgroundColor(platform::UIColorPtr color)
{
    assignColor(m_backgroundColor, std::move(color), "backgroundColor");
}

platform::UIColorPtr TavroConfig::textFieldStatusColor() const
{
    return m_textFieldBaseColor ? m_textFieldBaseColor : m_backgroundColor;
}

void TavroConfig::setTextFieldStatusColor(platform::UIColorPtr color)
{
    assignColor(m_textFieldBaseColor, std::move(color), "textFieldStatusColor");
}

platform::UIColorPtr TavroConfig::textCaretColor() const
{
    return m_textFieldCaretColor ? m_textFieldCaretColor : m_backgroundColor;
}

void TavroConfig::setTextCaretColor(platform::UIColorPtr color)
{
    assignColor(m_textFieldCaretColor, std::move(color), "textCaretColor");
}

void TavroConfig::setFontColor(platform::UIColorPtr color)
{
    assignColor(m_fontColor, std::move(color), "fontColor");
}

void TavroConfig::setActionButtonColor(platform::UIColorPtr color)
{
    assignColor(m_actionButtonColor, std::move(color), "actionButtonColor");
}

void TavroConfig::setActionButtonActiveColor(platform::UIColorPtr color)
{
    assignColor(m_actionButtonActiveColor, std::move(color), "actionButtonActiveColor");
}

void TavroConfig::setActionButtonFontColor(platform::UIColorPtr color)
{
    assignColor(m_actionButtonFontColor, std::move(color), "actionButtonFontColor");
}

std::shared_ptr<TavroConfig> TavroConfig::deepCopy() const
{
    auto copy = platform::NSObject::create<TavroConfig>();
    copy->setIsFirstTimeTutorialEnabledForP2M(m_isFirstTimeTutorialEnabledForP2M);
    copy->setIsFirstTimeTutorialEnabledForP2P(m_isFirstTimeTutorialEnabledForP2P);
    copy->setIsTLVValidationRequiredForP2M(false);
    copy->setShowWaitScreen(m_showWaitScreen);
    copy->setTavroLogo(m_tavroLogo);
    copy->setIssuerBackButton(m_issuerBackButton);
    copy->setPaymerchantTimeOutInSeconds(m_paymerchantTimeOutInSeconds);
    copy->setPayFriendTimeoutInSeconds(m_payFriendTimeoutInSeconds);
    copy->setWithdrawCashTimeOutInSeconds(m_withdrawCashTimeOutInSeconds);
    copy->setBackgroundColor(m_backgroundColor);
    copy->setTextFieldStatusColor(textFieldStatusColor());
    copy->setTextCaretColor(textCaretColor());
    copy->setFontColor(m_fontColor);
    copy->setActionButtonColor(m_actionButtonColor);
    copy->setActionButtonActiveColor(m_actionButtonActiveColor);
    copy->setActionButtonFontColor(m_actionButtonFontColor);
    copy->setSupportedNetworkImage(m_supportedNetworkImage);
    return copy;
}

} // namespace tavro
