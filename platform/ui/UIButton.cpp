#include "platform/ui/UIButton.h"

#include "platform/ui/UIButtonParts.h"

namespace platform {

namespace {

std::uint32_t key(UIControlState state)
{
    return static_cast<std::uint32_t>(state);
}

// Default title fonts: custom buttons use a larger face than system ones.
constexpr CGFloat customTitleFontSize = 18;
constexpr CGFloat systemTitleFontSize = 15;
// A highlighted system button shows its title faded to this share of its alpha, unless the
// highlighted state has a title colour of its own.
constexpr double highlightedTitleAlpha = 0.2;

// One piece of per-state content: the state's own value when it has one, else the normal state's
// (none when neither was set).
template <class Content, class Value>
Value ownOrNormal(const Content* own, const Content* normal, Value Content::*member)
{
    if (own && own->*member) {
        return own->*member;
    }
    return normal ? normal->*member : Value{};
}

} // namespace

UIButton::UIButton(const CGRect& frame, UIButtonType type) : UIControl(frame), m_type(type) {}

std::shared_ptr<UIButton> UIButton::button(UIButtonType type)
{
    return NSObject::create<UIButton>(CGRect(), type);
}

void UIButton::didCreate()
{
    UIControl::didCreate();
    m_titleLabel = NSObject::create<UIButtonLabel>();
    m_titleLabel->setFont(
        UIFont::systemFont(m_type == UIButtonType::custom ? customTitleFontSize : systemTitleFontSize));
    m_titleLabel->setLineBreakMode(NSLineBreakMode::byTruncatingMiddle);
    m_titleLabel->setHidden(true);
    m_imageView = NSObject::create<UIButtonImageView>();
    m_imageView->setHidden(true);
    addSubview(m_imageView);
    addSubview(m_titleLabel);
    updateContent();
}

// --- content per state ---

const UIButton::StateContent* UIButton::entry(UIControlState state) const
{
    auto found = m_content.find(key(state));
    return found == m_content.end() ? nullptr : &found->second;
}

std::optional<std::string> UIButton::title(UIControlState state) const
{
    return ownOrNormal(entry(state), entry(UIControlState::normal), &StateContent::title);
}

void UIButton::setTitle(std::optional<std::string> title, UIControlState state)
{
    m_content[key(state)].title = std::move(title);
    updateContent();
}

std::optional<NSAttributedString> UIButton::attributedTitle(UIControlState state) const
{
    return ownOrNormal(entry(state), entry(UIControlState::normal), &StateContent::attributedTitle);
}

void UIButton::setAttributedTitle(std::optional<NSAttributedString> title, UIControlState state)
{
    m_content[key(state)].attributedTitle = std::move(title);
    updateContent();
}

UIColorPtr UIButton::titleColor(UIControlState state) const
{
    return ownOrNormal(entry(state), entry(UIControlState::normal), &StateContent::titleColor);
}

void UIButton::setTitleColor(UIColorPtr color, UIControlState state)
{
    m_content[key(state)].titleColor = std::move(color);
    updateContent();
}

UIImagePtr UIButton::image(UIControlState state) const
{
    return ownOrNormal(entry(state), entry(UIControlState::normal), &StateContent::image);
}

void UIButton::setImage(UIImagePtr image, UIControlState state)
{
    m_content[key(state)].image = std::move(image);
    updateContent();
}

UIImagePtr UIButton::backgroundImage(UIControlState state) const
{
    return ownOrNormal(entry(state), entry(UIControlState::normal), &StateContent::backgroundImage);
}

void UIButton::setBackgroundImage(UIImagePtr image, UIControlState state)
{
    m_content[key(state)].backgroundImage = std::move(image);
    updateContent();
}

// --- current content ---

std::optional<std::string> UIButton::currentTitle() const
{
    if (auto attributed = currentAttributedTitle(); attributed && !title(state())) {
        return attributed->string();
    }
    return title(state());
}

std::optional<NSAttributedString> UIButton::currentAttributedTitle() const
{
    // The state's own content first (attributed before plain), then the normal state's.
    auto own = entry(state());
    if (own && own->attributedTitle) {
        return own->attributedTitle;
    }
    if (own && own->title) {
        return std::nullopt;
    }
    auto normal = entry(UIControlState::normal);
    return normal ? normal->attributedTitle : std::nullopt;
}

UIColorPtr UIButton::currentTitleColor() const
{
    auto own = entry(state());
    if (own && own->titleColor) {
        return own->titleColor;
    }
    UIColorPtr color = titleColor(state());
    if (!color) {
        if (m_type == UIButtonType::custom) {
            return UIColor::white();
        }
        color = isEnabled() ? tintColor() : UIColor::colorWithWhite(0.56, 1);
    }
    if (m_type != UIButtonType::custom && isHighlighted()) {
        return color->withAlphaComponent(color->alphaComponent() * highlightedTitleAlpha);
    }
    return color;
}

bool UIButton::dimsForHighlight(UIImagePtr StateContent::*member) const
{
    if (!m_adjustsImageWhenHighlighted || !isHighlighted()) {
        return false;
    }
    auto own = entry(state());
    return !(own && own->*member);
}

void UIButton::updateContent()
{
    if (!m_titleLabel || !m_imageView) {
        return; // still being created
    }
    auto attributed = currentAttributedTitle();
    if (attributed) {
        m_titleLabel->setAttributedText(attributed);
    } else {
        m_titleLabel->setText(title(state()));
    }
    m_titleLabel->setTextColor(currentTitleColor());
    bool hasTitle = m_titleLabel->text() && !m_titleLabel->text()->empty();
    m_titleLabel->setHidden(!hasTitle);

    auto shownImage = currentImage();
    m_imageView->setImage(shownImage);
    m_imageView->setHidden(!shownImage);
    static_cast<UIButtonImageView&>(*m_imageView).setDimmed(dimsForHighlight(&StateContent::image));

    invalidateIntrinsicContentSize();
    setNeedsLayout();
    setNeedsDisplay();
}

void UIButton::controlStateDidChange()
{
    UIControl::controlStateDidChange();
    updateContent();
}

void UIButton::tintColorDidChange()
{
    UIControl::tintColorDidChange();
    if (m_type != UIButtonType::custom) {
        updateContent();
    }
    setNeedsDisplay();
}

// --- geometry settings ---

void UIButton::setContentEdgeInsets(UIEdgeInsets insets)
{
    m_contentInsets = insets;
    invalidateIntrinsicContentSize();
    setNeedsLayout();
}

void UIButton::setTitleEdgeInsets(UIEdgeInsets insets)
{
    m_titleInsets = insets;
    setNeedsLayout();
}

void UIButton::setImageEdgeInsets(UIEdgeInsets insets)
{
    m_imageInsets = insets;
    setNeedsLayout();
}

void UIButton::setAdjustsImageWhenHighlighted(bool adjusts)
{
    m_adjustsImageWhenHighlighted = adjusts;
    updateContent();
}

} // namespace platform
