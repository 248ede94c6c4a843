#pragma once
// TavroConfig: the host's settings for the framework: colours, the back-control image, the
// accepted networks' images, the idle time-outs of the consumer-side flows and a few switches.
// The host hands one over once; the session keeps a deepCopy() of it, so later changes to the
// host's object do not reach the framework. Held by std::shared_ptr; make with
// NSObject::create<TavroConfig>().

#include "platform/foundation/NSObject.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

#include <memory>
#include <optional>
#include <vector>

namespace tavro {

class TavroConfig : public platform::NSObject {
public:
    enum class TavroLogo : int {
        variant0 = 0,
        variant1 = 1,
        variant2 = 2,
    };
    // The logo of a raw value 0, 1 or 2; nullopt for any other value.
    static std::optional<TavroLogo> tavroLogoFromRawValue(long long rawValue);

    // All defaults, and the framework's back-arrow image (an empty image when the bundle lacks it).
    TavroConfig();

    bool isFirstTimeTutorialEnabledForP2M() const { return m_isFirstTimeTutorialEnabledForP2M; }
    void setIsFirstTimeTutorialEnabledForP2M(bool value) { m_isFirstTimeTutorialEnabledForP2M = value; }
    bool isTLVValidationRequiredForP2M() const { return m_isTLVValidationRequiredForP2M; }
    void setIsTLVValidationRequiredForP2M(bool value) { m_isTLVValidationRequiredForP2M = value; }
    bool showWaitScreen() const { return m_showWaitScreen; }
    void setShowWaitScreen(bool value) { m_showWaitScreen = value; }
    TavroLogo tavroLogo() const { return m_tavroLogo; }
    void setTavroLogo(TavroLogo value) { m_tavroLogo = value; }

    // Never null; a null image is refused with one debug line.
    const platform::UIImagePtr& issuerBackButton() const { return m_issuerBackButton; }
    void setIssuerBackButton(platform::UIImagePtr image);

    // Idle time-outs in whole seconds, at least 1: a value below 1 writes one debug line and
    // stores 180 instead.
    long long paymerchantTimeOutInSeconds() const { return m_paymerchantTimeOutInSeconds; }
    void setPaymerchantTimeOutInSeconds(long long seconds);
    long long withdrawCashTimeOutInSeconds() const { return m_withdrawCashTimeOutInSeconds; }
    void setWithdrawCashTimeOutInSeconds(long long seconds);
    long long payFriendTimeoutInSeconds() const { return m_payFriendTimeoutInSeconds; }
    void setPayFriendTimeoutInSeconds(long long seconds);

    // Colours are never null; a null colour is refused with one debug line.
    const platform::UIColorPtr& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(platform::UIColorPtr color);
    // The text-field colour, or backgroundColor() while none was set.
    platform::UIColorPtr textFieldStatusColor() const;
    void setTextFieldStatusColor(platform::UIColorPtr color);
    // The caret colour, or backgroundColor() while none was set.
    platform::UIColorPtr textCaretColor() const;
    void setTextCaretColor(platform::UIColorPtr color);
    const platform::UIColorPtr& fontColor() const { return m_fontColor; }
    void setFontColor(platform::UIColorPtr color);
    const platform::UIColorPtr& actionButtonColor() const { return m_actionButtonColor; }
    void setActionButtonColor(platform::UIColorPtr color);
    const platform::UIColorPtr& actionButtonActiveColor() const { return m_actionButtonActiveColor; }
    void setActionButtonActiveColor(platform::UIColorPtr color);
    const platform::UIColorPtr& actionButtonFontColor() const { return m_actionButtonFontColor; }
    void setActionButtonFontColor(platform::UIColorPtr color);

    // Logos of the accepted card networks; nullopt shows none.
    const std::optional<std::vector<platform::UIImagePtr>>& supportedNetworkImage() const
    {
        return m_supportedNetworkImage;
    }
    void setSupportedNetworkImage(std::optional<std::vector<platform::UIImagePtr>> images)
    {
        m_supportedNetworkImage = std::move(images);
    }

    bool isFirstTimeTutorialEnabledForP2P() const { return m_isFirstTimeTutorialEnabledForP2P; }
    void setIsFirstTimeTutorialEnabledForP2P(bool value) { m_isFirstTimeTutorialEnabledForP2P = value; }

    // A new, independent configuration with the same settings. Images and colours (immutable)
    // are shared; isTLVValidationRequiredForP2M is always false in the copy; the text-field and
    // caret colours are fixed at the source's values of now.
    std::shared_ptr<TavroConfig> deepCopy() const;

private:
    bool m_isFirstTimeTutorialEnabledForP2M = false;
    bool m_isTLVValidationRequiredForP2M = false;
    bool m_showWaitScreen = true;
    TavroLogo m_tavroLogo = TavroLogo::variant2;
    platform::UIImagePtr m_issuerBackButton;
    long long m_paymerchantTimeOutInSeconds = 180;
    long long m_withdrawCashTimeOutInSeconds = 180;
    platform::UIColorPtr m_backgroundColor;
    platform::UIColorPtr m_textFieldBaseColor;
    platform::UIColorPtr m_textFieldCaretColor;
    platform::UIColorPtr m_fontColor;
    platform::UIColorPtr m_actionButtonColor;
    std::optional<std::vector<platform::UIImagePtr>> m_supportedNetworkImage;
    platform::UIColorPtr m_actionButtonActiveColor;
    platform::UIColorPtr m_actionButtonFontColor;
    bool m_isFirstTimeTutorialEnabledForP2P = false;
    long long m_payFriendTimeoutInSeconds = 180;
};

} // namespace tavro
