#pragma once
// A path with the drawing attributes used to stroke it: the UI toolkit's path builder.
// A value type; CAShapeLayer and the renderer take its CGPath.

#include "platform/graphics/CGPath.h"

#include <type_traits>

namespace platform {

// Corners of a rectangle, combinable as a bitmask.
enum class UIRectCorner : unsigned {
    topLeft = 1 << 0,
    topRight = 1 << 1,
    bottomLeft = 1 << 2,
    bottomRight = 1 << 3,
    allCorners = 0xF,
};
constexpr UIRectCorner operator|(UIRectCorner a, UIRectCorner b)
{
    return static_cast<UIRectCorner>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool hasCorner(UIRectCorner set, UIRectCorner corner)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(corner)) != 0;
}

class UIBezierPath {
public:
    UIBezierPath() = default;
    explicit UIBezierPath(CGPath path) : m_path(std::move(path)) {}

    static UIBezierPath rect(const CGRect& rect);
    // The ellipse inscribed in the rectangle (four quarter curves, starting at the right middle point
    // and running clockwise on screen).
    static UIBezierPath ovalIn(const CGRect& rect);
    // A rectangle with all four corners rounded by quarter circles of `cornerRadius` (limited to half
    // the shorter side).
    static UIBezierPath roundedRect(const CGRect& rect, CGFloat cornerRadius);
    // A rectangle with the chosen corners rounded by quarter ellipses of radii.width across and
    // radii.height down (each limited to half the side); the other corners stay square.
    static UIBezierPath roundedRect(const CGRect& rect, UIRectCorner corners, CGSize cornerRadii);
    // An arc alone (see addArc).
    static UIBezierPath arc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);

    void move(CGPoint point) { m_path.move(point); }
    void addLine(CGPoint point) { m_path.addLine(point); }
    // Angles in radians from +x; `clockwise` as seen on screen (y down). Joins the current point to the
    // arc's start with a line.
    void addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise)
    {
        m_path.addArc(center, radius, startAngle, endAngle, clockwise);
    }
    void addCurve(CGPoint end, CGPoint control1, CGPoint control2) { m_path.addCurve(end, control1, control2); }
    void addQuadCurve(CGPoint end, CGPoint control) { m_path.addQuadCurve(end, control); }
    void close() { m_path.closeSubpath(); }
    void append(const UIBezierPath& other) { m_path.addPath(other.m_path); }
    void removeAllPoints() { m_path.removeAll(); }
    void apply(const CGAffineTransform& transform) { m_path = m_path.applying(transform); }

    const CGPath& cgPath() const { return m_path; }
    const std::vector<CGPathElement>& elements() const { return m_path.elements(); }
    bool isEmpty() const { return m_path.isEmpty(); }
    std::optional<CGPoint> currentPoint() const { return m_path.currentPoint(); }
    // The path's bounding box, control points included.
    CGRect bounds() const { return m_path.boundingBox(); }

    CGFloat lineWidth() const { return m_lineWidth; }
    void setLineWidth(CGFloat width) { m_lineWidth = width; }
    CGLineCap lineCapStyle() const { return m_lineCap; }
    void setLineCapStyle(CGLineCap cap) { m_lineCap = cap; }
    CGLineJoin lineJoinStyle() const { return m_lineJoin; }
    void setLineJoinStyle(CGLineJoin join) { m_lineJoin = join; }

    // Fill (non-zero winding) or stroke the path with the current context's fill or stroke colour and
    // this path's line attributes. Without a current context: one debug line, nothing drawn.
    void fill() const;
    void stroke() const;

private:
    CGPath m_path;
    CGFloat m_lineWidth = 1;
    CGLineCap m_lineCap = CGLineCap::butt;
    CGLineJoin m_lineJoin = CGLineJoin::miter;
};

} // namespace platform
