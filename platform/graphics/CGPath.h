#pragma once
// A path value: a list of elements (move, line, quadratic and cubic curves, close), y-down coordinates.
// Arcs are stored as cubic curves of at most a quarter turn each, so every path is inspectable as
// (type, points) elements and replays exactly into cairo.

#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/DrawingLibraryTypes.h"

#include <optional>
#include <vector>

namespace platform {

enum class CGPathElementType {
    moveToPoint,         // points: the new point
    addLineToPoint,      // points: the end point
    addQuadCurveToPoint, // points: control, end
    addCurveToPoint,     // points: control 1, control 2, end
    closeSubpath,        // points: none
};

struct CGPathElement {
    CGPathElementType type;
    std::vector<CGPoint> points;
    bool operator==(const CGPathElement&) const = default;
};

enum class CGLineCap { butt, round, square };
enum class CGLineJoin { miter, round, bevel };

// Make `cap` (`join`) the line cap (join) of what `cr` strokes next.
void setCairoLineCap(cairo_t* cr, CGLineCap cap);
void setCairoLineJoin(cairo_t* cr, CGLineJoin join);

class CGPath {
public:
    const std::vector<CGPathElement>& elements() const { return m_elements; }
    bool isEmpty() const { return m_elements.empty(); }
    // The end point of the last element; none for an empty path.
    std::optional<CGPoint> currentPoint() const { return m_current; }
    // The smallest rectangle holding every point of the path, control points included; null when empty.
    CGRect boundingBox() const;

    void move(CGPoint point);
    // The drawing operations need a current point: without one they write a debug line and add nothing.
    void addLine(CGPoint point);
    void addQuadCurve(CGPoint end, CGPoint control);
    void addCurve(CGPoint end, CGPoint control1, CGPoint control2);
    // Ends the subpath; the current point returns to the subpath's start. Nothing on an empty path.
    void closeSubpath();
    // A circular arc around `center`; angles in radians from +x, `clockwise` as seen on the y-down
    // screen (angles increasing). Starts with a line from the current point to the arc's start point
    // (a move when the path is empty). A sweep of a full turn or more draws one full circle.
    void addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);
    void addRect(const CGRect& rect);
    void addPath(const CGPath& other);
    void removeAll();

    CGPath applying(const CGAffineTransform& transform) const;
    // Appends the path to cairo's current path (user coordinates).
    void addToCairo(cairo_t* cr) const;

    bool operator==(const CGPath&) const = default;

private:
    void addElement(CGPathElementType type, std::vector<CGPoint> points);

    std::vector<CGPathElement> m_elements;
    std::optional<CGPoint> m_current;
    std::optional<CGPoint> m_subpathStart;
};

} // namespace platform
