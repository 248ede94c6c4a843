#pragma once
// KCheckbox: the kit's square check box. A bordered square (soft 16 x 16 points, priority 800)
// that fills with the theme's colour while selected or pressed and shows a drawn tick while
// selected and not pressed. Each tap (touch-up-inside) flips the selection; setting isSelected in
// code changes the look at once and sends no event. The tick is rendered into an image only when
// flagged (at the first draw and after a change of theme or tick width).
// Make with NSObject::create<KCheckbox>(frame). Main thread.

#include "TavroMerchantSDK/support/KUITheme.h"

#include "platform/graphics/CGFloat.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UIImageView.h"

#include <memory>

namespace tavro {

class KCheckbox : public platform::UIButton {
public:
    explicit KCheckbox(const platform::CGRect& frame = platform::CGRect());

    // Colours of a theme: border, fill while selected or pressed, tick.
    static platform::UIColorPtr borderColor(KUITheme theme);
    static platform::UIColorPtr fillColor(KUITheme theme);
    static platform::UIColorPtr tickColor(KUITheme theme);

    KUITheme theme() const { return m_theme; }
    // Re-colours the border now; the tick is redrawn at the next draw. The fill follows at the next
    // change of selection or highlight.
    virtual void setTheme(KUITheme theme);
    platform::CGFloat checkboxBorderWidth() const { return m_checkboxBorderWidth; }
    virtual void setCheckboxBorderWidth(platform::CGFloat width);
    // Side of the square; read once, when the constraints are made at the first layout pass.
    virtual platform::CGFloat checkboxWidth() const { return m_checkboxWidth; }
    virtual void setCheckboxWidth(platform::CGFloat width) { m_checkboxWidth = width; }
    // Stroke width of the tick; the tick is redrawn at the next draw (none is requested).
    virtual platform::CGFloat checkmarkWidth() const { return m_checkmarkWidth; }
    virtual void setCheckmarkWidth(platform::CGFloat width);

    void setSelected(bool selected) override;
    void setHighlighted(bool highlighted) override;

    // The control's own action on touch-up-inside: flips isSelected.
    void touchUpInside();

    void updateConstraints() override;
    void draw(platform::CGContext& context, const platform::CGRect& rect) override;

    // The view that shows the tick (for the labelled check box and tests).
    const std::shared_ptr<platform::UIImageView>& checkmarkImageView() const { return m_checkmarkImageView; }

protected:
    void didCreate() override;
    virtual void setup();
    // Fill and tick visibility from isSelected and isHighlighted.
    virtual void updateCheckboxAppearance();

private:
    // The tick for a box of `size`, drawn with the theme's tick colour; null without a context.
    platform::UIImagePtr checkboxImage(platform::CGSize size) const;

    bool m_didSetConstraints = false;
    bool m_checkmarkNeedsRedrawing = false;
    KUITheme m_theme;
    platform::CGFloat m_checkboxBorderWidth;
    platform::CGFloat m_checkboxWidth;
    platform::CGFloat m_checkmarkWidth;
    std::shared_ptr<platform::UIImageView> m_checkmarkImageView;
};

} // namespace tavro
