#include "platform/graphics/CGPath.h"

#include "platform/foundation/DebugLog.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

cairo_line_cap_t toCairoLineCap(CGLineCap cap)
{
    switch (cap) {
    case CGLineCap::butt: return CAIRO_LINE_CAP_BUTT;
    case CGLineCap::round: return CAIRO_LINE_CAP_ROUND;
    case CGLineCap::square: return CAIRO_LINE_CAP_SQUARE;
    }
    return CAIRO_LINE_CAP_BUTT;
}

cairo_line_join_t toCairoLineJoin(CGLineJoin join)
{
    switch (join) {
    case CGLineJoin::miter: return CAIRO_LINE_JOIN_MITER;
    case CGLineJoin::round: return CAIRO_LINE_JOIN_ROUND;
    case CGLineJoin::bevel: return CAIRO_LINE_JOIN_BEVEL;
    }
    return CAIRO_LINE_JOIN_MITER;
}

} // namespace

void setCairoLineCap(cairo_t* cr, CGLineCap cap)
{
    cairo_set_line_cap(cr, toCairoLineCap(cap));
}
void setCairoLineJoin(cairo_t* cr, CGLineJoin join)
{
    cairo_set_line_join(cr, toCairoLineJoin(join));
}

void CGPath::addElement(CGPathElementType type, std::vector<CGPoint> points)
{
    if (!points.empty())
        m_current = points.back();
    m_elements.push_back({type, std::move(points)});
}

void CGPath::move(CGPoint point)
{
    m_subpathStart = point;
    addElement(CGPathElementType::moveToPoint, {point});
}

void CGPath::addLine(CGPoint point)
{
    if (!m_current) {
        debugLog("CGPath: addLine with no current point");
        return;
    }
    addElement(CGPathElementType::addLineToPoint, {point});
}

void CGPath::addQuadCurve(CGPoint end, CGPoint control)
{
    if (!m_current) {
        debugLog("CGPath: addQuadCurve with no current point");
        return;
    }
    addElement(CGPathElementType::addQuadCurveToPoint, {control, end});
}

void CGPath::addCurve(CGPoint end, CGPoint control1, CGPoint control2)
{
    if (!m_current) {
        debugLog("CGPath: addCurve with no current point");
        return;
    }
    addElement(CGPathElementType::addCurveToPoint, {control1, control2, end});
}

void CGPath::closeSubpath()
{
    if (!m_current)
        return;
    m_elements.push_back({CGPathElementType::closeSubpath, {}});
    m_current = m_subpathStart;
}

void CGPath::addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise)
{
    constexpr CGFloat fullTurn = 2 * std::numbers::pi;
    if (!std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) {
        debugLog("CGPath: addArc with a value that is not finite");
        return;
    }
    CGFloat sweep = endAngle - startAngle;
    if (clockwise) {
        if (sweep < 0)
            sweep = std::fmod(sweep, fullTurn) + fullTurn;
        sweep = std::min(sweep, fullTurn);
    } else {
        if (sweep > 0)
            sweep = std::fmod(sweep, fullTurn) - fullTurn;
        sweep = std::max(sweep, -fullTurn);
    }

    auto pointAt = [&](CGFloat angle) {
        return CGPoint{center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
    };
    CGPoint start = pointAt(startAngle);
    if (m_current)
        addElement(CGPathElementType::addLineToPoint, {start});
    else
        move(start);

    // Quarter turns at most: each piece is one cubic whose handles have length 4/3 tan(theta/4) * r.
    int pieces = static_cast<int>(std::ceil(std::fabs(sweep) / (fullTurn / 4) - 1e-9));
    CGFloat step = pieces > 0 ? sweep / pieces : 0;
    CGFloat handle = 4.0 / 3.0 * std::tan(step / 4) * radius;
    CGFloat angle = startAngle;
    for (int i = 0; i < pieces; ++i) {
        CGFloat next = angle + step;
        CGPoint p0 = pointAt(angle);
        CGPoint p3 = pointAt(next);
        CGPoint c1{p0.x - handle * std::sin(angle), p0.y + handle * std::cos(angle)};
        CGPoint c2{p3.x + handle * std::sin(next), p3.y - handle * std::cos(next)};
        addElement(CGPathElementType::addCurveToPoint, {c1, c2, p3});
        angle = next;
    }
}

void CGPath::addRect(const CGRect& rect)
{
    if (rect.isNull())
        return;
    move({rect.minX(), rect.minY()});
    addLine({rect.maxX(), rect.minY()});
    addLine({rect.maxX(), rect.maxY()});
    addLine({rect.minX(), rect.maxY()});
    closeSubpath();
}

void CGPath::addPath(const CGPath& other)
{
    for (const CGPathElement& element : other.m_elements) {
        switch (element.type) {
        case CGPathElementType::moveToPoint: move(element.points[0]); break;
        case CGPathElementType::closeSubpath: closeSubpath(); break;
        default: addElement(element.type, element.points); break;
        }
    }
}

void CGPath::removeAll()
{
    m_elements.clear();
    m_current.reset();
    m_subpathStart.reset();
}

CGRect CGPath::boundingBox() const
{
    CGRect box = CGRect::null();
    for (const CGPathElement& element : m_elements)
        for (const CGPoint& p : element.points)
            box = box.unionWith(CGRect(p.x, p.y, 0, 0));
    return box;
}

CGPath CGPath::applying(const CGAffineTransform& transform) const
{
    CGPath result = *this;
    for (CGPathElement& element : result.m_elements)
        for (CGPoint& p : element.points)
            p = transform.apply(p);
    if (result.m_current)
        result.m_current = transform.apply(*result.m_current);
    if (result.m_subpathStart)
        result.m_subpathStart = transform.apply(*result.m_subpathStart);
    return result;
}

void CGPath::addToCairo(cairo_t* cr) const
{
    CGPoint current{};
    for (const CGPathElement& element : m_elements) {
        const std::vector<CGPoint>& p = element.points;
        switch (element.type) {
        case CGPathElementType::moveToPoint:
            cairo_move_to(cr, p[0].x, p[0].y);
            current = p[0];
            break;
        case CGPathElementType::addLineToPoint:
            cairo_line_to(cr, p[0].x, p[0].y);
            current = p[0];
            break;
        case CGPathElementType::addQuadCurveToPoint: {
            // Raise the quadratic to the cubic with the same shape.
            CGPoint c1{current.x + 2.0 / 3.0 * (p[0].x - current.x), current.y + 2.0 / 3.0 * (p[0].y - current.y)};
            CGPoint c2{p[1].x + 2.0 / 3.0 * (p[0].x - p[1].x), p[1].y + 2.0 / 3.0 * (p[0].y - p[1].y)};
            cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p[1].x, p[1].y);
            current = p[1];
            break;
        }
        case CGPathElementType::addCurveToPoint:
            cairo_curve_to(cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
            current = p[2];
            break;
        case CGPathElementType::closeSubpath: {
            cairo_close_path(cr);
            double x = 0, y = 0;
            cairo_get_current_point(cr, &x, &y);
            current = {x, y};
            break;
        }
        }
    }
}

} // namespace platform
