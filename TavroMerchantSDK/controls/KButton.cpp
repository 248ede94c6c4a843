#include "TavroMerchantSDK/controls/KButton.h"

#include "TavroMerchantSDK/support/KThemes.h"
#include "TavroMerchantSDK/support/NSMutableAttributedStringExtensions.h"
#include "TavroMerchantSDK/support/UIImageDrawingExtensions.h"

#include "platform/foundation/DebugLog.h"

namespace tavro {

using platform::UIControlState;

KButton::KButton(const platform::CGRect& frame) : platform::UIButton(frame) {}

KButton::KButton(const KButtonArchive& archive)
    : platform::UIButton(archive.frame, archive.buttonType), m_archive(archive)
{
}

void KButton::didCreate()
{
    platform::UIButton::didCreate();
    if (!m_archive) {
        setupProgrammatically();
        return;
    }
    // What decoding the archive gives the platform button, before the kit's setup runs.
    platform::UIButton::setTitle(m_archive->normalTitle, UIControlState::normal);
    setupFromIB();
    m_archive.reset();
}

void KButton::setupProgrammatically()
{
    setupLayout();
    setDefaultValues();
}

void KButton::setupFromIB()
{
    setupProgrammatically();
    setTitle(title(UIControlState::normal), UIControlState::normal);
}

void KButton::setDefaultValues()
{
    setTitleColor(KThemes::uiElementColor(KThemes::currentTheme()->uiTheme()), UIControlState::normal);
}

void KButton::setupLayout()
{
    setTranslatesAutoresizingMaskIntoConstraints(false);
}

void KButton::awakeFromNib()
{
    platform::UIButton::awakeFromNib();
    if (buttonType() != platform::UIButtonType::custom)
        platform::debugLog("Warning: buttonType should be Custom in IB");
}

void KButton::setTitle(std::optional<std::string> title, UIControlState state)
{
    platform::UIButton::setTitle(std::move(title), state);
    applyAttributedTitle(state);
}

void KButton::setTitleColor(platform::UIColorPtr color, UIControlState state)
{
    platform::UIButton::setTitleColor(std::move(color), state);
    if (attributedTitle(state))
        applyAttributedTitle(state);
}

void KButton::applyAttributedTitle(UIControlState state)
{
    setupAttributedTitle(state);
    if (state == UIControlState::normal) {
        setupAttributedTitle(UIControlState::highlighted);
        setupAttributedTitle(UIControlState::disabled);
    }
}

void KButton::setupAttributedTitle(UIControlState state)
{
    // Always the normal colour: other states' colours only trigger a rebuild.
    auto color = titleColor(UIControlState::normal);
    if (color)
        color = KThemes::colorAdjustedForState(color, state);
    auto text = title(state);
    if (!text) {
        setAttributedTitle(std::nullopt, state);
        return;
    }
    platform::NSMutableAttributedString attributed(*text);
    setForegroundColor(attributed, color);
    if (titleLabel())
        setFont(attributed, titleLabel()->font());
    addCharacterSpacing(attributed, m_spacing);
    setAttributedTitle(platform::NSAttributedString(attributed), state);
}

void KButton::setIcon(const platform::UIImagePtr& icon)
{
    if (!icon) {
        for (auto state : {UIControlState::normal, UIControlState::highlighted, UIControlState::disabled})
            setBackgroundImage(nullptr, state);
        return;
    }
    setBackgroundImage(icon, UIControlState::normal);
    setBackgroundImage(imageWithAlpha(icon, 0.7), UIControlState::highlighted);
    setBackgroundImage(imageWithAlpha(icon, 0.3), UIControlState::disabled);
}

} // namespace tavro
