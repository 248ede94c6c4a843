#pragma once
// KCheckboxWithText: a labelled check box. A KCheckbox at the top left and a multi-line label to
// its right; a tap anywhere on the control flips its selection, and the inner box only mirrors
// the control's selected and highlighted states (it never gets touches). The label wraps to the
// width left of the box and shows only whole lines; a single line is as tall as the box.
// Make with NSObject::create<KCheckboxWithText>(frame). Main thread.

#include "TavroMerchantSDK/controls/KCheckbox.h"
#include "TavroMerchantSDK/support/KUITheme.h"

#include "platform/graphics/UIFont.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"

#include <memory>

namespace tavro {

class KCheckboxWithText : public platform::UIButton {
public:
    explicit KCheckboxWithText(const platform::CGRect& frame = platform::CGRect());

    // Label text colour; the theme's background colour at creation.
    const platform::UIColorPtr& textColor() const { return m_textColor; }
    virtual void setTextColor(platform::UIColorPtr color);
    // Colours the label for the theme (textColor() keeps its value) and passes it to the box.
    KUITheme theme() const { return m_theme; }
    virtual void setTheme(KUITheme theme);
    // Side of the box (default 16); the label re-frames at once, the box's size at the next
    // constraint pass.
    virtual platform::CGFloat checkboxSize() const { return m_checkboxSize; }
    virtual void setCheckboxSize(platform::CGFloat size);
    // Gap between box and label (default 12), applied like checkboxSize.
    virtual platform::CGFloat inputSpacing() const { return m_inputSpacing; }
    virtual void setInputSpacing(platform::CGFloat spacing);
    // Tick stroke width, passed to the box.
    platform::CGFloat checkmarkWidth() const { return m_checkmarkWidth; }
    virtual void setCheckmarkWidth(platform::CGFloat width);
    // Label font (default system 16).
    const platform::UIFontPtr& textFont() const { return m_textFont; }
    virtual void setTextFont(platform::UIFontPtr font);

    // The label shows `title` whatever the state; the button itself keeps no title.
    void setTitle(std::optional<std::string> title, platform::UIControlState state) override;
    void setAttributedTitle(std::optional<platform::NSAttributedString> title, platform::UIControlState state) override;
    void setSelected(bool selected) override;
    void setHighlighted(bool highlighted) override;

    // The control's own action on touch-up-inside: flips isSelected.
    void touchUpInside();

    void updateConstraints() override;
    void layoutSubviews() override;
    // (0, 0) when the box does not fit; else the label's fitting size beside the box.
    platform::CGSize sizeThatFits(platform::CGSize size) const override;

    const std::shared_ptr<KCheckbox>& checkbox() const { return m_checkbox; }
    const std::shared_ptr<platform::UILabel>& checkboxLabel() const { return m_checkboxLabel; }

protected:
    void didCreate() override;
    virtual void setup();
    // Frames the label for the control's current size (see the class comment).
    virtual void adjustFrames();

private:
    bool m_didSetConstraints = false;
    platform::UIColorPtr m_textColor;
    KUITheme m_theme;
    platform::CGFloat m_checkboxSize;
    platform::CGFloat m_inputSpacing;
    platform::CGFloat m_checkmarkWidth;
    platform::UIFontPtr m_textFont;
    std::shared_ptr<KCheckbox> m_checkbox;
    std::shared_ptr<platform::UILabel> m_checkboxLabel;
    std::shared_ptr<platform::NSLayoutConstraint> m_checkboxWidthConstraint;
    std::shared_ptr<platform::NSLayoutConstraint> m_checkboxHeightConstraint;
    std::shared_ptr<platform::NSLayoutConstraint> m_inputSpacingConstraint;
};

} // namespace tavro
