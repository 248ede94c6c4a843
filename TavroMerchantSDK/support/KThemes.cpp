#include "TavroMerchantSDK/support/KThemes.h"

#include "TavroMerchantSDK/support/KDefaultConstants.h"

#include "platform/foundation/DebugLog.h"

#include <mutex>
#include <string>

namespace tavro {

namespace {

struct CurrentTheme {
    std::mutex mutex;
    std::shared_ptr<KThemes> theme = std::make_shared<KThemes>(KUITheme::darkUI);
};

CurrentTheme& current()
{
    static CurrentTheme shared;
    return shared;
}

} // namespace

std::shared_ptr<KThemes> KThemes::currentTheme()
{
    auto& shared = current();
    std::lock_guard lock(shared.mutex);
    return shared.theme;
}

void KThemes::setCurrentTheme(std::shared_ptr<KThemes> theme)
{
    if (!theme) {
        platform::debugLog("KThemes: the current theme cannot be replaced by none");
        return;
    }
    auto& shared = current();
    std::lock_guard lock(shared.mutex);
    shared.theme = std::move(theme);
}

KThemes::KThemes(KUITheme theme)
{
    setUiTheme(theme);
}

void KThemes::setUiTheme(KUITheme theme)
{
    if (!KUIThemeFromRawValue(rawValue(theme))) {
        platform::debugLog("KThemes: ignoring unknown theme " + std::to_string(rawValue(theme)));
        return;
    }
    m_uiTheme = theme;
}

platform::UIColorPtr KThemes::actionUIColor()
{
    return KDefaultConstants::ACTION_UI_COLOR();
}
platform::UIColorPtr KThemes::actionUIActiveColor()
{
    return KDefaultConstants::ACTION_UI_ACTIVE_COLOR();
}

platform::UIColorPtr KThemes::uiColor(KUITheme theme)
{
    return theme == KUITheme::lightUI ? KDefaultConstants::LIGHT_UI_COLOR() : KDefaultConstants::DARK_UI_COLOR();
}

platform::UIColorPtr KThemes::uiElementColor(KUITheme theme)
{
    return theme == KUITheme::lightUI ? KDefaultConstants::LIGHT_UI_ELEMENT_COLOR()
                                      : KDefaultConstants::DARK_UI_ELEMENT_COLOR();
}

platform::UIColorPtr KThemes::uiElementAltColor(KUITheme theme)
{
    return theme == KUITheme::lightUI ? KDefaultConstants::LIGHT_UI_ELEMENT_ALT_COLOR()
                                      : KDefaultConstants::DARK_UI_ELEMENT_ALT_COLOR();
}

platform::UIColorPtr KThemes::colorAdjustedForState(const platform::UIColorPtr& color, platform::UIControlState state)
{
    if (!color)
        return color;
    if (state == platform::UIControlState::disabled)
        return color->withAlphaComponent(0.3);
    if (state == platform::UIControlState::highlighted)
        return color->withAlphaComponent(0.7);
    return color;
}

platform::UIFontPtr KThemes::defaultH1Font()
{
    return platform::UIFont::systemFont(60);
}
platform::UIFontPtr KThemes::defaultH2Font()
{
    return platform::UIFont::systemFont(28);
}
platform::UIFontPtr KThemes::defaultBodyFont()
{
    return platform::UIFont::systemFont(16);
}
platform::UIFontPtr KThemes::defaultSmallFont()
{
    return platform::UIFont::systemFont(12);
}

} // namespace tavro
