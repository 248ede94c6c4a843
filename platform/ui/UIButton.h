#pragma once
// UIButton: a control that shows a title and an image chosen by its state.
//
// Content is kept per control state (normal, highlighted, disabled, selected and their
// combinations). A state without its own value of a kind shows the normal state's (a state that
// combines flags does not fall back to one of its parts). The shown title, attributed title, title
// colour, image and background image follow the current state at once.
//
// The title is drawn by titleLabel() and the image by imageView(), two subviews placed by
// layoutSubviews() (content alignment, then the edge insets); the background image is drawn by the
// button itself, stretched over its bounds. With adjustsImageWhenHighlighted, a highlighted button
// that has no image (or background image) of its own for that state darkens the normal one.
#include "platform/foundation/NSAttributedString.h"
#include "platform/graphics/UIEdgeInsets.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"

#include <map>
#include <optional>
#include <string>

namespace platform {

enum class UIButtonType {
    custom = 0,
    system = 1,
    detailDisclosure = 2,
    infoLight = 3,
    infoDark = 4,
    contactAdd = 5,
    close = 7
};

class UIButton : public UIControl {
public:
    explicit UIButton(const CGRect& frame = CGRect(), UIButtonType type = UIButtonType::custom);
    // A new button of `type` with a zero frame.
    static std::shared_ptr<UIButton> button(UIButtonType type);

    UIButtonType buttonType() const { return m_type; }

    // --- content per state (getters fall back to the normal state) ---
    std::optional<std::string> title(UIControlState state) const;
    // None removes the state's own title.
    virtual void setTitle(std::optional<std::string> title, UIControlState state);
    std::optional<NSAttributedString> attributedTitle(UIControlState state) const;
    virtual void setAttributedTitle(std::optional<NSAttributedString> title, UIControlState state);
    // None when neither the state nor the normal state has a colour.
    UIColorPtr titleColor(UIControlState state) const;
    virtual void setTitleColor(UIColorPtr color, UIControlState state);
    UIImagePtr image(UIControlState state) const;
    virtual void setImage(UIImagePtr image, UIControlState state);
    UIImagePtr backgroundImage(UIControlState state) const;
    virtual void setBackgroundImage(UIImagePtr image, UIControlState state);

    // --- what the current state shows ---
    // The plain title shown (also when an attributed title is shown instead).
    std::optional<std::string> currentTitle() const;
    // The attributed title shown, if the state shows one.
    std::optional<NSAttributedString> currentAttributedTitle() const;
    // Never none: the state's colour, else the default (white for custom buttons, the tint colour
    // for system ones).
    UIColorPtr currentTitleColor() const;
    UIImagePtr currentImage() const { return image(state()); }
    UIImagePtr currentBackgroundImage() const { return backgroundImage(state()); }

    // The label and image view that show the title and image (made with the button).
    const std::shared_ptr<UILabel>& titleLabel() const { return m_titleLabel; }
    const std::shared_ptr<UIImageView>& imageView() const { return m_imageView; }

    // --- geometry of the content ---
    UIEdgeInsets contentEdgeInsets() const { return m_contentInsets; }
    void setContentEdgeInsets(UIEdgeInsets insets);
    UIEdgeInsets titleEdgeInsets() const { return m_titleInsets; }
    void setTitleEdgeInsets(UIEdgeInsets insets);
    UIEdgeInsets imageEdgeInsets() const { return m_imageInsets; }
    void setImageEdgeInsets(UIEdgeInsets insets);
    bool adjustsImageWhenHighlighted() const { return m_adjustsImageWhenHighlighted; }
    void setAdjustsImageWhenHighlighted(bool adjusts);

    // The rectangles of the content for `bounds` (the content rect is the bounds minus the content
    // insets; title and image are placed in it by the content alignment, then moved by their insets).
    virtual CGRect contentRect(const CGRect& bounds) const;
    virtual CGRect titleRect(const CGRect& contentRect) const;
    virtual CGRect imageRect(const CGRect& contentRect) const;
    virtual CGRect backgroundRect(const CGRect& bounds) const { return bounds; }

    // Title and image side by side plus the content insets (at least the background image's size). A
    // title without glyphs counts as a square of its line height.
    CGSize intrinsicContentSize() const override;
    CGSize sizeThatFits(CGSize size) const override;
    void layoutSubviews() override;
    void draw(CGContext& context, const CGRect& rect) override;
    void tintColorDidChange() override;

protected:
    void didCreate() override;
    void controlStateDidChange() override;

private:
    struct StateContent {
        std::optional<std::string> title;
        std::optional<NSAttributedString> attributedTitle;
        UIColorPtr titleColor;
        UIImagePtr image;
        UIImagePtr backgroundImage;
    };
    const StateContent* entry(UIControlState state) const;
    // True when the highlighted look must be made by darkening the normal picture.
    bool dimsForHighlight(UIImagePtr StateContent::*member) const;
    // Puts the current state's content into the label and image view.
    void updateContent();
    CGSize titleSize(CGFloat availableWidth) const;
    CGSize imageSize() const;
    // Where the image and the title go inside `content`, side by side, before their own insets.
    void placeContent(const CGRect& content, CGRect& imageFrame, CGRect& titleFrame) const;

    UIButtonType m_type;
    std::map<std::uint32_t, StateContent> m_content;
    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UIImageView> m_imageView;
    UIEdgeInsets m_contentInsets;
    UIEdgeInsets m_titleInsets;
    UIEdgeInsets m_imageInsets;
    bool m_adjustsImageWhenHighlighted = true;
};

} // namespace platform
