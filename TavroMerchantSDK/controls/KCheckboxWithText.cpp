#include "TavroMerchantSDK/controls/KCheckboxWithText.h"

#include "TavroMerchantSDK/support/KDefaultConstants.h"
#include "TavroMerchantSDK/support/KThemes.h"

#include <cmath>
#include <limits>

namespace tavro {

using platform::CGFloat;
using platform::NSLayoutAttribute;
using platform::NSLayoutConstraint;
using platform::NSLayoutRelation;

KCheckboxWithText::KCheckboxWithText(const platform::CGRect& frame)
    : platform::UIButton(frame),
      m_textColor(KThemes::uiColor(KThemes::currentTheme()->uiTheme())),
      m_theme(KThemes::currentTheme()->uiTheme()),
      m_checkboxSize(KDefaultConstants::CHECKBOX_WIDTH),
      m_inputSpacing(KDefaultConstants::CHECKBOX_INPUT_SPACING),
      m_checkmarkWidth(KDefaultConstants::CHECKBOX_CHECKMARK_WIDTH),
      m_textFont(platform::UIFont::systemFont(16))
{
}

void KCheckboxWithText::didCreate()
{
    platform::UIButton::didCreate();
    m_checkbox = platform::NSObject::create<KCheckbox>();
    m_checkboxLabel = platform::NSObject::create<platform::UILabel>();
    setup();
}

void KCheckboxWithText::setup()
{
    setTranslatesAutoresizingMaskIntoConstraints(false);
    m_checkbox->setTranslatesAutoresizingMaskIntoConstraints(false);
    m_checkboxLabel->setTranslatesAutoresizingMaskIntoConstraints(false);

    m_checkbox->setFrame(platform::CGRect(0, 0, m_checkboxSize, m_checkboxSize));
    m_checkbox->setUserInteractionEnabled(false);
    m_checkbox->setTheme(m_theme);
    addSubview(m_checkbox);

    m_checkboxLabel->setFont(m_textFont);
    m_checkboxLabel->setFrame(platform::CGRect(m_checkbox->frame().maxX() + m_inputSpacing, 0, 0, 0));
    m_checkboxLabel->setUserInteractionEnabled(false);
    m_checkboxLabel->setNumberOfLines(0);
    m_checkboxLabel->setTextColor(m_textColor);
    addSubview(m_checkboxLabel);

    addTarget(sharedFromThis<KCheckboxWithText>(), &KCheckboxWithText::touchUpInside,
              platform::UIControlEvents::touchUpInside);

    m_checkboxWidthConstraint =
        NSLayoutConstraint::create(m_checkbox, NSLayoutAttribute::width, NSLayoutRelation::equal, nullptr,
                                   NSLayoutAttribute::notAnAttribute, 1, m_checkboxSize);
    m_checkboxHeightConstraint =
        NSLayoutConstraint::create(m_checkbox, NSLayoutAttribute::height, NSLayoutRelation::equal, nullptr,
                                   NSLayoutAttribute::notAnAttribute, 1, m_checkboxSize);
    m_inputSpacingConstraint =
        NSLayoutConstraint::create(m_checkboxLabel, NSLayoutAttribute::left, NSLayoutRelation::equal, m_checkbox,
                                   NSLayoutAttribute::right, 1, m_inputSpacing);
}

void KCheckboxWithText::setTextColor(platform::UIColorPtr color)
{
    m_textColor = std::move(color);
    m_checkboxLabel->setTextColor(m_textColor);
}

void KCheckboxWithText::setTheme(KUITheme theme)
{
    m_theme = theme;
    m_checkboxLabel->setTextColor(KThemes::uiColor(theme));
    m_checkbox->setTheme(theme);
}

void KCheckboxWithText::setCheckboxSize(CGFloat size)
{
    m_checkboxSize = size;
    adjustFrames();
    setNeedsDisplay();
}

void KCheckboxWithText::setInputSpacing(CGFloat spacing)
{
    m_inputSpacing = spacing;
    adjustFrames();
    setNeedsDisplay();
}

void KCheckboxWithText::setCheckmarkWidth(CGFloat width)
{
    m_checkmarkWidth = width;
    m_checkbox->setCheckmarkWidth(width);
}

void KCheckboxWithText::setTextFont(platform::UIFontPtr font)
{
    m_textFont = std::move(font);
    m_checkboxLabel->setFont(m_textFont);
    adjustFrames();
}

void KCheckboxWithText::setTitle(std::optional<std::string> title, platform::UIControlState)
{
    m_checkboxLabel->setText(std::move(title));
    adjustFrames();
}

void KCheckboxWithText::setAttributedTitle(std::optional<platform::NSAttributedString> title, platform::UIControlState)
{
    m_checkboxLabel->setAttributedText(std::move(title));
    adjustFrames();
}

void KCheckboxWithText::setSelected(bool selected)
{
    platform::UIButton::setSelected(selected);
    if (!m_checkbox)
        return;
    m_checkbox->setHighlighted(isHighlighted());
    m_checkbox->setSelected(isSelected());
}

void KCheckboxWithText::setHighlighted(bool highlighted)
{
    platform::UIButton::setHighlighted(highlighted);
    if (!m_checkbox)
        return;
    m_checkbox->setHighlighted(isHighlighted());
    m_checkbox->setSelected(isSelected());
}

void KCheckboxWithText::touchUpInside()
{
    setSelected(!isSelected());
}

void KCheckboxWithText::updateConstraints()
{
    m_checkboxWidthConstraint->setConstant(checkboxSize());
    m_checkboxHeightConstraint->setConstant(checkboxSize());
    m_inputSpacingConstraint->setConstant(inputSpacing());
    if (!m_didSetConstraints) {
        auto self = sharedFromThis<platform::UIView>();
        auto pinned = [&](const std::shared_ptr<platform::UIView>& view, NSLayoutAttribute attribute) {
            auto constraint =
                NSLayoutConstraint::create(view, attribute, NSLayoutRelation::equal, self, attribute, 1, 0);
            constraint->setPriority(800);
            return constraint;
        };
        NSLayoutConstraint::activate({m_checkboxWidthConstraint, m_checkboxHeightConstraint, m_inputSpacingConstraint,
                                      pinned(m_checkbox, NSLayoutAttribute::left),
                                      pinned(m_checkbox, NSLayoutAttribute::top),
                                      pinned(m_checkboxLabel, NSLayoutAttribute::top)});
        m_didSetConstraints = true;
    }
    adjustFrames();
    platform::UIButton::updateConstraints();
}

void KCheckboxWithText::layoutSubviews()
{
    platform::UIButton::layoutSubviews();
    adjustFrames();
}

void KCheckboxWithText::adjustFrames()
{
    const auto labelFrame = m_checkboxLabel->frame();
    const CGFloat available = frame().size.width - checkboxSize() - inputSpacing();
    if (available <= 0) {
        m_checkboxLabel->setFrame(platform::CGRect(labelFrame.origin.x, 0, 0, 0));
        return;
    }
    CGFloat height = m_checkboxLabel->sizeThatFits({available, std::numeric_limits<CGFloat>::max()}).height;
    const CGFloat lineHeight = m_checkboxLabel->font() ? m_checkboxLabel->font()->lineHeight() : 0;
    if (height == std::ceil(lineHeight))
        height = checkboxSize();
    const CGFloat controlHeight = frame().size.height;
    if (controlHeight < height && lineHeight > 0)
        height = std::floor(controlHeight / lineHeight) * lineHeight;
    m_checkboxLabel->setFrame(platform::CGRect(labelFrame.origin.x, 0, available, height));
}

platform::CGSize KCheckboxWithText::sizeThatFits(platform::CGSize size) const
{
    if (checkboxSize() > size.width || checkboxSize() > size.height)
        return {0, 0};
    auto label = m_checkboxLabel->sizeThatFits({size.width - checkboxSize() - inputSpacing(), size.height});
    return {label.width + checkboxSize() + inputSpacing(), label.height};
}

} // namespace tavro
