#include "platform/ui/UISwitch.h"

#include "platform/graphics/UIBezierPath.h"

namespace platform {

namespace {

constexpr CGFloat thumbInset = 2;

UIColorPtr defaultOnTint()
{
    return UIColor::create(52 / 255.0, 199 / 255.0, 89 / 255.0);
}

void fillPath(CGContext& context, const UIBezierPath& path, const UIColorPtr& color)
{
    context.beginPath();
    context.addPath(path.cgPath());
    context.setFillColor(color);
    context.fillPath();
}

} // namespace

UISwitch::UISwitch(const CGRect& frame) : UIControl(CGRect(frame.origin, {width, height})) {}

void UISwitch::setOn(bool on)
{
    setOn(on, false);
}

void UISwitch::setOn(bool on, bool)
{
    if (m_on == on) {
        return;
    }
    m_on = on;
    setNeedsDisplay();
}

void UISwitch::setOnTintColor(UIColorPtr color)
{
    m_onTintColor = std::move(color);
    setNeedsDisplay();
}

void UISwitch::setThumbTintColor(UIColorPtr color)
{
    m_thumbTintColor = std::move(color);
    setNeedsDisplay();
}

CGSize UISwitch::intrinsicContentSize() const
{
    return {width, height};
}

CGSize UISwitch::sizeThatFits(CGSize) const
{
    return {width, height};
}

void UISwitch::setFrame(const CGRect& frame)
{
    UIControl::setFrame(CGRect(frame.origin, {width, height}));
}

void UISwitch::setBounds(const CGRect& rect)
{
    UIControl::setBounds(CGRect(rect.origin, {width, height}));
}

void UISwitch::endTracking(UITouch* touch, const std::shared_ptr<UIEvent>& event)
{
    UIControl::endTracking(touch, event);
    if (!isTouchInside()) {
        return;
    }
    setOn(!m_on, true);
    sendActions(UIControlEvents::valueChanged);
}

void UISwitch::draw(CGContext& context, const CGRect&)
{
    context.saveGState();
    context.setAlpha(context.alpha() * (isEnabled() ? 1.0 : 0.5));
    CGRect track(0, 0, width, height);
    auto trackPath = UIBezierPath::roundedRect(track, height / 2);
    if (m_on) {
        fillPath(context, trackPath, m_onTintColor ? m_onTintColor : defaultOnTint());
    } else {
        fillPath(context, trackPath, UIColor::colorWithWhite(0.9, 1));
    }
    CGFloat diameter = height - 2 * thumbInset;
    CGFloat thumbX = m_on ? width - thumbInset - diameter : thumbInset;
    CGRect thumb(thumbX, thumbInset, diameter, diameter);
    auto thumbPath = UIBezierPath::ovalIn(thumb);
    fillPath(context, thumbPath, m_thumbTintColor ? m_thumbTintColor : UIColor::white());
    // A thin outline keeps a white thumb visible on a light track.
    context.addPath(thumbPath.cgPath());
    context.setStrokeColor(UIColor::colorWithWhite(0, 0.12));
    context.setLineWidth(0.5);
    context.strokePath();
    context.restoreGState();
}

} // namespace platform
