#pragma once
// The UI kit's theme: which look is in force (currentTheme()->uiTheme()) and the colours and
// fonts the kit draws with. Main thread, except the first read of currentTheme(), which is safe
// on any thread.

#include "TavroMerchantSDK/support/KUITheme.h"

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIControlTypes.h"

#include <memory>

namespace tavro {

class KThemes {
public:
    // The process's theme, made on first read with darkUI.
    static std::shared_ptr<KThemes> currentTheme();
    // Replaces the process's theme. A null theme is a misuse: one debug line, the old one stays.
    static void setCurrentTheme(std::shared_ptr<KThemes> theme);

    KThemes() = default;
    explicit KThemes(KUITheme theme);
    virtual ~KThemes() = default;

    virtual KUITheme uiTheme() const { return m_uiTheme; }
    // Only lightUI and darkUI are stored; another value writes one debug line and is ignored.
    virtual void setUiTheme(KUITheme theme);

    // The shared constant objects of KDefaultConstants, not copies.
    static platform::UIColorPtr actionUIColor();
    static platform::UIColorPtr actionUIActiveColor();
    static platform::UIColorPtr uiColor(KUITheme theme);
    static platform::UIColorPtr uiElementColor(KUITheme theme);
    static platform::UIColorPtr uiElementAltColor(KUITheme theme);

    // The colour with its alpha replaced by 0.3 when `state` is exactly disabled, by 0.7 when it
    // is exactly highlighted; otherwise (normal, selected, any combination) the colour itself.
    static platform::UIColorPtr colorAdjustedForState(const platform::UIColorPtr& color,
                                                      platform::UIControlState state);

    // System fonts of 60, 28, 16 and 12 points; new objects on every call.
    static platform::UIFontPtr defaultH1Font();
    static platform::UIFontPtr defaultH2Font();
    static platform::UIFontPtr defaultBodyFont();
    static platform::UIFontPtr defaultSmallFont();
    static int defaultCharacterSpacing() { return 1; }

private:
    KUITheme m_uiTheme = KUITheme::darkUI;
};

} // namespace tavro
