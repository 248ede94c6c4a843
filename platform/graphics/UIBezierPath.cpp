#include "platform/graphics/UIBezierPath.h"

#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Control-handle length of a quarter ellipse, as a fraction of its radius.
constexpr CGFloat kQuarterKappa = 0.5522847498307936;

} // namespace

UIBezierPath UIBezierPath::rect(const CGRect& rect)
{
    UIBezierPath path;
    path.m_path.addRect(rect);
    return path;
}

UIBezierPath UIBezierPath::ovalIn(const CGRect& rect)
{
    UIBezierPath path;
    if (rect.isNull())
        return path;
    CGFloat rx = rect.width() / 2;
    CGFloat ry = rect.height() / 2;
    CGFloat cx = rect.midX();
    CGFloat cy = rect.midY();
    CGFloat kx = rx * kQuarterKappa;
    CGFloat ky = ry * kQuarterKappa;
    CGPath& p = path.m_path;
    p.move({cx + rx, cy});
    p.addCurve({cx, cy + ry}, {cx + rx, cy + ky}, {cx + kx, cy + ry});
    p.addCurve({cx - rx, cy}, {cx - kx, cy + ry}, {cx - rx, cy + ky});
    p.addCurve({cx, cy - ry}, {cx - rx, cy - ky}, {cx - kx, cy - ry});
    p.addCurve({cx + rx, cy}, {cx + kx, cy - ry}, {cx + rx, cy - ky});
    p.closeSubpath();
    return path;
}

UIBezierPath UIBezierPath::roundedRect(const CGRect& rect, CGFloat cornerRadius)
{
    // Circular corners: one radius, limited by the shorter side.
    CGFloat radius = std::min(cornerRadius, std::min(rect.width(), rect.height()) / 2);
    return roundedRect(rect, UIRectCorner::allCorners, {radius, radius});
}

UIBezierPath UIBezierPath::roundedRect(const CGRect& rect, UIRectCorner corners, CGSize cornerRadii)
{
    UIBezierPath path;
    if (rect.isNull())
        return path;
    auto valid = [](CGFloat r, CGFloat limit) { return (std::isfinite(r) && r > 0) ? std::min(r, limit) : 0.0; };
    CGFloat rx = valid(cornerRadii.width, rect.width() / 2);
    CGFloat ry = valid(cornerRadii.height, rect.height() / 2);
    if (rx == 0 || ry == 0)
        corners = static_cast<UIRectCorner>(0);
    auto radiiOf = [&](UIRectCorner corner) { return hasCorner(corners, corner) ? CGSize{rx, ry} : CGSize{0, 0}; };
    CGSize tl = radiiOf(UIRectCorner::topLeft);
    CGSize tr = radiiOf(UIRectCorner::topRight);
    CGSize br = radiiOf(UIRectCorner::bottomRight);
    CGSize bl = radiiOf(UIRectCorner::bottomLeft);
    CGFloat x1 = rect.minX(), x2 = rect.maxX(), y1 = rect.minY(), y2 = rect.maxY();

    CGPath& p = path.m_path;
    p.move({x1 + tl.width, y1});
    p.addLine({x2 - tr.width, y1});
    if (tr.width > 0)
        p.addCurve({x2, y1 + tr.height}, {x2 - tr.width * (1 - kQuarterKappa), y1},
                   {x2, y1 + tr.height * (1 - kQuarterKappa)});
    p.addLine({x2, y2 - br.height});
    if (br.width > 0)
        p.addCurve({x2 - br.width, y2}, {x2, y2 - br.height * (1 - kQuarterKappa)},
                   {x2 - br.width * (1 - kQuarterKappa), y2});
    p.addLine({x1 + bl.width, y2});
    if (bl.width > 0)
        p.addCurve({x1, y2 - bl.height}, {x1 + bl.width * (1 - kQuarterKappa), y2},
                   {x1, y2 - bl.height * (1 - kQuarterKappa)});
    p.addLine({x1, y1 + tl.height});
    if (tl.width > 0)
        p.addCurve({x1 + tl.width, y1}, {x1, y1 + tl.height * (1 - kQuarterKappa)},
                   {x1 + tl.width * (1 - kQuarterKappa), y1});
    p.closeSubpath();
    return path;
}

UIBezierPath UIBezierPath::arc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise)
{
    UIBezierPath path;
    path.addArc(center, radius, startAngle, endAngle, clockwise);
    return path;
}

void UIBezierPath::fill() const
{
    CGContextPtr context = UIGraphicsGetCurrentContext();
    if (!context) {
        debugLog("UIBezierPath: fill with no current context");
        return;
    }
    context->beginPath();
    context->addPath(m_path);
    context->fillPath();
}

void UIBezierPath::stroke() const
{
    CGContextPtr context = UIGraphicsGetCurrentContext();
    if (!context) {
        debugLog("UIBezierPath: stroke with no current context");
        return;
    }
    context->saveGState();
    context->setLineWidth(m_lineWidth);
    context->setLineCap(m_lineCap);
    context->setLineJoin(m_lineJoin);
    context->beginPath();
    context->addPath(m_path);
    context->strokePath();
    context->restoreGState();
}

} // namespace platform
