#include "platform/ui/UILabel.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Below this the text would be unreadable; used when no minimum scale factor is set.
constexpr double smallestFontScale = 0.05;
constexpr CGFloat defaultFontSize = 17;

CGSize roundedUp(CGSize size)
{
    return {std::ceil(size.width), std::ceil(size.height)};
}

} // namespace

UILabel::UILabel(const CGRect& frame)
    : UIView(frame), m_font(UIFont::systemFont(defaultFontSize)), m_textColor(UIColor::black())
{
    setUserInteractionEnabled(false);
}

void UILabel::setText(std::optional<std::string> text)
{
    m_text = std::move(text);
    m_hasAttributes = false;
    m_content = NSAttributedString(m_text.value_or(""));
    contentDidChange();
}

std::optional<NSAttributedString> UILabel::attributedText() const
{
    if (!m_text) {
        return std::nullopt;
    }
    if (m_hasAttributes) {
        return m_content;
    }
    TextAttributes attributes;
    attributes.emplace(NSAttributedStringKey::font, AttributeValue(m_font));
    attributes.emplace(NSAttributedStringKey::foregroundColor, AttributeValue(m_textColor));
    return NSAttributedString(*m_text, std::move(attributes));
}

void UILabel::setAttributedText(std::optional<NSAttributedString> text)
{
    if (text) {
        m_text = text->string();
        m_hasAttributes = true;
        m_content = std::move(*text);
    } else {
        m_text.reset();
        m_hasAttributes = false;
        m_content = NSAttributedString();
    }
    contentDidChange();
}

void UILabel::setFont(UIFontPtr font)
{
    m_font = font ? std::move(font) : UIFont::systemFont(defaultFontSize);
    contentDidChange();
}

void UILabel::setTextColor(UIColorPtr color)
{
    m_textColor = color ? std::move(color) : UIColor::black();
    setNeedsDisplay();
}

void UILabel::setTextAlignment(NSTextAlignment alignment)
{
    m_alignment = alignment;
    setNeedsDisplay();
}

void UILabel::setNumberOfLines(int lines)
{
    if (lines < 0) {
        debugLog("UILabel: ignoring a negative number of lines");
        return;
    }
    m_numberOfLines = lines;
    contentDidChange();
}

void UILabel::setLineBreakMode(NSLineBreakMode mode)
{
    m_lineBreakMode = mode;
    contentDidChange();
}

void UILabel::setAdjustsFontSizeToFitWidth(bool adjusts)
{
    m_adjustsFontSize = adjusts;
    m_fittedScale.valid = false;
    setNeedsDisplay();
}

void UILabel::setMinimumScaleFactor(double factor)
{
    m_minimumScaleFactor = std::isfinite(factor) ? std::clamp(factor, 0.0, 1.0) : 0.0;
    m_fittedScale.valid = false;
    setNeedsDisplay();
}

void UILabel::setPreferredMaxLayoutWidth(CGFloat width)
{
    m_preferredMaxLayoutWidth = std::isfinite(width) ? std::max<CGFloat>(0, width) : 0;
    invalidateIntrinsicContentSize();
}

void UILabel::setEnabled(bool enabled)
{
    m_enabled = enabled;
    setNeedsDisplay();
}

void UILabel::contentDidChange()
{
    m_fittedScale.valid = false;
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
    textMetricsDidChange();
}

LabelTextStyle UILabel::textStyle(double fontScale) const
{
    LabelTextStyle style;
    style.font = m_font;
    style.color = m_textColor;
    style.fontScale = fontScale;
    style.alignment = m_alignment;
    style.lineBreakMode = m_lineBreakMode;
    style.maximumLines = maximumLines();
    return style;
}

CGSize UILabel::measure(CGFloat maxWidth) const
{
    return roundedUp(measureLabelText(m_content, textStyle(), maximumLines() == 1 ? 0 : maxWidth));
}

CGSize UILabel::intrinsicContentSize() const
{
    CGFloat wrapWidth = m_preferredMaxLayoutWidth > 0 ? m_preferredMaxLayoutWidth : bounds().width();
    return measure(wrapWidth);
}

CGSize UILabel::sizeThatFits(CGSize size) const
{
    return measure(size.width);
}

void UILabel::setFrame(const CGRect& frame)
{
    CGFloat oldWidth = bounds().width();
    UIView::setFrame(frame);
    if (maximumLines() != 1 && m_preferredMaxLayoutWidth == 0 && bounds().width() != oldWidth) {
        invalidateIntrinsicContentSize();
    }
}

void UILabel::setBounds(const CGRect& newBounds)
{
    CGFloat oldWidth = bounds().width();
    UIView::setBounds(newBounds);
    if (maximumLines() != 1 && m_preferredMaxLayoutWidth == 0 && bounds().width() != oldWidth) {
        invalidateIntrinsicContentSize();
    }
}

double UILabel::fontScaleForCurrentBounds() const
{
    CGFloat available = bounds().width();
    if (!m_adjustsFontSize || maximumLines() != 1 || available <= 0 || m_content.length() == 0) {
        return 1;
    }
    if (!m_fittedScale.valid || m_fittedScale.width != available) {
        m_fittedScale = {true, available, measureFontScale(available)};
    }
    return m_fittedScale.scale;
}

double UILabel::measureFontScale(CGFloat available) const
{
    LabelTextStyle style = textStyle();
    CGFloat natural = singleLineTextWidth(m_content, style);
    if (natural <= available) {
        return 1;
    }
    double minimum = m_minimumScaleFactor > 0 ? m_minimumScaleFactor : smallestFontScale;
    // Width grows about linearly with the font size; step down until it fits (kern and rounding
    // of glyph advances make it not quite linear).
    double scale = std::max(minimum, available / natural);
    for (int step = 0; step < 20 && scale > minimum; ++step) {
        style.fontScale = scale;
        if (singleLineTextWidth(m_content, style) <= available) {
            break;
        }
        scale = std::max(minimum, scale * 0.98);
    }
    return scale;
}

CGRect UILabel::textRect(const CGRect& rect, int lines) const
{
    LabelTextStyle style = textStyle(fontScaleForCurrentBounds());
    style.maximumLines = lines;
    CGSize size = roundedUp(measureLabelText(m_content, style, lines == 1 ? 0 : rect.width(), rect.height()));
    size.width = std::min(size.width, rect.width());
    size.height = std::min(size.height, rect.height());
    return {rect.minX(), rect.minY() + (rect.height() - size.height) / 2, size.width, size.height};
}

void UILabel::draw(CGContext& context, const CGRect&)
{
    drawText(context, bounds());
}

void UILabel::drawText(CGContext& context, const CGRect& rect)
{
    LabelTextStyle style = textStyle(fontScaleForCurrentBounds());
    if (!m_enabled) {
        style.color = UIColor::colorWithWhite(0.56, 1);
    }
    drawLabelText(context, m_content, rect, style);
}

} // namespace platform
