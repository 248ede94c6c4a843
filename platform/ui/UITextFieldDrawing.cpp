// A text field's geometry (text area, overlay views, clear button), its natural size, its drawing
// and its reaction to taps.
#include "platform/ui/UITextField.h"

#include "platform/foundation/Text.h"
#include "platform/graphics/UIBezierPath.h"
#include "platform/graphics/LabelText.h"
#include "platform/graphics/TextLine.h"
#include "platform/ui/UITouch.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr CGFloat clearButtonSide = 19;
constexpr CGFloat clearButtonMargin = 5;
constexpr CGFloat caretWidth = 2;
constexpr CGFloat roundedCornerRadius = 5;

CGFloat horizontalPadding(UITextBorderStyle style)
{
    switch (style) {
    case UITextBorderStyle::roundedRect: return 7;
    case UITextBorderStyle::line:
    case UITextBorderStyle::bezel: return 2;
    default: return 0;
    }
}

CGFloat verticalPadding(UITextBorderStyle style)
{
    switch (style) {
    case UITextBorderStyle::roundedRect: return 7;
    case UITextBorderStyle::line:
    case UITextBorderStyle::bezel: return 2;
    default: return 0;
    }
}

UIColorPtr placeholderColor()
{
    return UIColor::create(0, 0, 0.0980392, 0.22);
}

CGRect centredVertically(const CGRect& bounds, CGFloat x, CGSize size)
{
    return {x, bounds.minY() + (bounds.height() - size.height) / 2, size.width, size.height};
}

} // namespace

// --- overlays ---

bool UITextField::isOverlayShown(UITextFieldViewMode mode) const
{
    switch (mode) {
    case UITextFieldViewMode::always: return true;
    case UITextFieldViewMode::whileEditing: return m_editing;
    case UITextFieldViewMode::unlessEditing: return !m_editing;
    default: return false;
    }
}

bool UITextField::isClearButtonShown() const
{
    return !m_text.empty() && isOverlayShown(m_clearButtonMode);
}

void UITextField::updateOverlayViews()
{
    auto place = [this](const UIViewPtr& view, bool shown, const CGRect& frame) {
        if (!view) {
            return;
        }
        if (!shown) {
            if (view->superview().get() == this) {
                view->removeFromSuperview();
            }
            return;
        }
        if (view->superview().get() != this) {
            addSubview(view);
        }
        view->setFrame(frame);
    };
    place(m_leftView, isOverlayShown(m_leftViewMode), leftViewRect(bounds()));
    place(m_rightView, isOverlayShown(m_rightViewMode), rightViewRect(bounds()));
}

// --- geometry ---

CGRect UITextField::leftViewRect(const CGRect& rect) const
{
    if (!m_leftView) {
        return {};
    }
    return centredVertically(rect, rect.minX(), m_leftView->frame().size);
}

CGRect UITextField::rightViewRect(const CGRect& rect) const
{
    if (!m_rightView) {
        return {};
    }
    CGSize size = m_rightView->frame().size;
    return centredVertically(rect, rect.maxX() - size.width, size);
}

CGRect UITextField::clearButtonRect(const CGRect& rect) const
{
    CGFloat right = rect.maxX() - horizontalPadding(m_borderStyle);
    if (m_rightView && isOverlayShown(m_rightViewMode)) {
        right = std::min(right, rightViewRect(rect).minX());
    }
    return centredVertically(rect, right - clearButtonMargin - clearButtonSide, {clearButtonSide, clearButtonSide});
}

CGRect UITextField::textRect(const CGRect& rect) const
{
    CGFloat padding = horizontalPadding(m_borderStyle);
    CGFloat left = rect.minX() + padding;
    CGFloat right = rect.maxX() - padding;
    if (m_leftView && isOverlayShown(m_leftViewMode)) {
        left = std::max(left, leftViewRect(rect).maxX());
    }
    if (m_rightView && isOverlayShown(m_rightViewMode)) {
        right = std::min(right, rightViewRect(rect).minX());
    }
    if (isClearButtonShown()) {
        right = std::min(right, clearButtonRect(rect).minX());
    }
    return {left, rect.minY(), std::max<CGFloat>(0, right - left), rect.height()};
}

CGSize UITextField::intrinsicContentSize() const
{
    LabelTextStyle style;
    style.font = m_font;
    CGFloat textWidth = singleLineTextWidth(attributedText(), style);
    if (m_attributedPlaceholder || m_placeholder) {
        NSAttributedString placeholder =
            m_attributedPlaceholder ? *m_attributedPlaceholder : NSAttributedString(*m_placeholder);
        textWidth = std::max(textWidth, singleLineTextWidth(placeholder, style));
    }
    CGFloat width = textWidth + 2 * horizontalPadding(m_borderStyle);
    CGFloat height = std::ceil(effectiveFont(style).lineHeight()) + 2 * verticalPadding(m_borderStyle);
    if (m_leftView && isOverlayShown(m_leftViewMode)) {
        width += m_leftView->frame().width();
        height = std::max(height, m_leftView->frame().height());
    }
    if (m_rightView && isOverlayShown(m_rightViewMode)) {
        width += m_rightView->frame().width();
        height = std::max(height, m_rightView->frame().height());
    }
    if (isClearButtonShown()) {
        width += clearButtonSide + clearButtonMargin;
    }
    return {std::ceil(width), std::ceil(height)};
}

CGSize UITextField::sizeThatFits(CGSize) const
{
    return intrinsicContentSize();
}

void UITextField::layoutSubviews()
{
    UIControl::layoutSubviews();
    updateOverlayViews();
}

void UITextField::tintColorDidChange()
{
    UIControl::tintColorDidChange();
    setNeedsDisplay();
}

// --- drawing ---

void UITextField::drawBorder(CGContext& context) const
{
    CGRect rect = borderRect(bounds());
    context.saveGState();
    switch (m_borderStyle) {
    case UITextBorderStyle::line:
    case UITextBorderStyle::bezel:
        context.setStrokeColor(m_borderStyle == UITextBorderStyle::line ? UIColor::black() : UIColor::gray());
        context.setLineWidth(1);
        context.stroke({rect.minX() + 0.5, rect.minY() + 0.5, rect.width() - 1, rect.height() - 1});
        break;
    case UITextBorderStyle::roundedRect: {
        CGRect inner(rect.minX() + 0.25, rect.minY() + 0.25, rect.width() - 0.5, rect.height() - 0.5);
        CGPath outline = UIBezierPath::roundedRect(inner, roundedCornerRadius).cgPath();
        context.beginPath();
        context.addPath(outline);
        context.setFillColor(UIColor::white());
        context.fillPath();
        context.addPath(outline);
        context.setStrokeColor(UIColor::colorWithWhite(0.8, 1));
        context.setLineWidth(0.5);
        context.strokePath();
        break;
    }
    default: break;
    }
    context.restoreGState();
}

void UITextField::drawContent(CGContext& context, const CGRect& rect, const NSAttributedString& content,
                              bool isPlaceholder) const
{
    LabelTextStyle style;
    style.font = m_font;
    style.color = isPlaceholder ? placeholderColor() : m_textColor;
    if (!isEnabled() && !isPlaceholder) {
        style.color = style.color->withAlphaComponent(style.color->alphaComponent() * 0.5);
    }
    style.alignment = m_alignment;
    style.lineBreakMode = NSLineBreakMode::byTruncatingTail;
    style.maximumLines = 1;
    if (!m_editing) {
        drawLabelText(context, content, rect, style);
        return;
    }

    // While editing the text is clipped (not truncated) and scrolled so that the caret shows.
    TextLine line(context, content, style);
    CGFloat width = line.width();
    CGFloat lineHeight = line.height();
    auto xAt = [&](std::size_t utf16) { return isPlaceholder ? CGFloat(0) : line.offsetOf(utf16); };
    NSRange selection = m_selection;
    CGFloat x = rect.minX();
    if (width <= rect.width()) {
        if (m_alignment == NSTextAlignment::center) {
            x += (rect.width() - width) / 2;
        } else if (m_alignment == NSTextAlignment::right) {
            x += rect.width() - width;
        }
    } else {
        x -= std::max<CGFloat>(0, xAt(selection.end()) + caretWidth - rect.width());
    }
    CGFloat y = rect.minY() + (rect.height() - lineHeight) / 2;

    context.saveGState();
    context.clip(rect);
    if (!isPlaceholder && selection.length > 0) {
        CGFloat start = xAt(selection.location);
        CGFloat end = xAt(selection.end());
        context.setFillColor(tintColor()->withAlphaComponent(tintColor()->alphaComponent() * 0.25));
        context.fill({x + std::min(start, end), y, std::abs(end - start), lineHeight});
    }
    line.draw({x, y}, style.color);
    if (selection.length == 0) {
        CGFloat caretX = x + xAt(selection.location);
        context.setFillColor(tintColor());
        context.fill({std::min(caretX, rect.maxX() - caretWidth), y, caretWidth, lineHeight});
    }
    context.restoreGState();
}

void UITextField::drawClearButton(CGContext& context) const
{
    CGRect rect = clearButtonRect(bounds());
    context.saveGState();
    context.beginPath();
    context.addPath(UIBezierPath::ovalIn(rect).cgPath());
    context.setFillColor(UIColor::colorWithWhite(0.7, 1));
    context.fillPath();
    CGFloat inset = rect.width() * 0.32;
    CGPath cross;
    cross.move({rect.minX() + inset, rect.minY() + inset});
    cross.addLine({rect.maxX() - inset, rect.maxY() - inset});
    cross.move({rect.maxX() - inset, rect.minY() + inset});
    cross.addLine({rect.minX() + inset, rect.maxY() - inset});
    context.addPath(cross);
    context.setStrokeColor(UIColor::white());
    context.setLineWidth(1.5);
    context.strokePath();
    context.restoreGState();
}

void UITextField::draw(CGContext& context, const CGRect&)
{
    drawBorder(context);
    CGRect area = m_editing ? editingRect(bounds()) : textRect(bounds());
    if (!m_text.empty()) {
        drawContent(context, area, m_attributedText ? *m_attributedText : NSAttributedString(m_text), false);
    } else if (m_attributedPlaceholder || m_placeholder) {
        NSAttributedString placeholder =
            m_attributedPlaceholder ? *m_attributedPlaceholder : NSAttributedString(*m_placeholder);
        drawContent(context, placeholderRect(bounds()), placeholder, true);
    } else if (m_editing) {
        drawContent(context, area, NSAttributedString(), false);
    }
    if (isClearButtonShown()) {
        drawClearButton(context);
    }
}

// --- taps ---

void UITextField::endTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event)
{
    UIControl::endTracking(touch, event);
    if (!touch || !isTouchInside()) {
        return;
    }
    CGPoint point = locationOf(*touch);
    if (isClearButtonShown() && clearButtonRect(bounds()).contains(point)) {
        userClear();
        return;
    }
    if (!m_editing) {
        userBeginEditing();
    }
}

} // namespace platform
