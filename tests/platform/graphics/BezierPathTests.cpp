#include "platform/foundation/DebugLog.h"
#include "platform/graphics/ImageContext.h"
#include "platform/graphics/UIBezierPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace platform;
using Type = CGPathElementType;

namespace {

constexpr double pi = std::numbers::pi;

std::vector<Type> typesOf(const UIBezierPath& path)
{
    std::vector<Type> types;
    for (const CGPathElement& e : path.elements())
        types.push_back(e.type);
    return types;
}

double distance(CGPoint a, CGPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

CGPoint cubicAt(CGPoint p0, CGPoint c1, CGPoint c2, CGPoint p3, double t)
{
    double u = 1 - t;
    return {u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
            u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y};
}

// Every curve of an arc path stays on the circle (checked at its ends and along it).
void expectOnCircle(const UIBezierPath& path, CGPoint center, double radius)
{
    CGPoint current = path.elements().front().points.back();
    for (const CGPathElement& e : path.elements()) {
        if (e.type != Type::addCurveToPoint) {
            if (!e.points.empty())
                current = e.points.back();
            continue;
        }
        for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            CGPoint p = cubicAt(current, e.points[0], e.points[1], e.points[2], t);
            EXPECT_NEAR(distance(p, center), radius, radius * 3e-4);
        }
        current = e.points[2];
    }
}

UIImagePtr render(const UIBezierPath& path, CGSize size, bool strokeIt)
{
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
    CGContextPtr context = UIGraphicsGetCurrentContext();
    context->setFillColor(UIColor::red());
    context->setStrokeColor(UIColor::red());
    if (strokeIt)
        path.stroke();
    else
        path.fill();
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

} // namespace

TEST(UIBezierPathTest, LinesAndClose)
{
    UIBezierPath path;
    {
        DebugLogCapture log;
        path.addLine({5, 5});
        EXPECT_TRUE(path.isEmpty()) << "a line needs a current point";
        EXPECT_EQ(log.lines().size(), 1u);
    }
    path.move({1, 5});
    path.addLine({4.2, 9});
    path.addLine({10.6, 1});
    EXPECT_EQ(path.currentPoint(), (CGPoint{10.6, 1}));
    path.close();
    EXPECT_EQ(path.currentPoint(), (CGPoint{1, 5})) << "closing returns to the subpath's start";
    const std::vector<CGPathElement> expected = {
        {Type::moveToPoint, {{1, 5}}},
        {Type::addLineToPoint, {{4.2, 9}}},
        {Type::addLineToPoint, {{10.6, 1}}},
        {Type::closeSubpath, {}},
    };
    EXPECT_EQ(path.elements(), expected);
    EXPECT_EQ(path.bounds(), CGRect(1, 1, 9.6, 8));
    EXPECT_EQ(path.lineWidth(), 1);

    path.apply(CGAffineTransform::makeTranslation(10, 0));
    EXPECT_EQ(path.elements()[0].points[0], (CGPoint{11, 5}));
    path.removeAllPoints();
    EXPECT_TRUE(path.isEmpty());
    EXPECT_FALSE(path.currentPoint().has_value());
}

TEST(UIBezierPathTest, RectAndOvalShapes)
{
    UIBezierPath rect = UIBezierPath::rect(CGRect(1, 2, 3, 4));
    EXPECT_EQ(typesOf(rect), (std::vector<Type>{Type::moveToPoint, Type::addLineToPoint, Type::addLineToPoint,
                                                Type::addLineToPoint, Type::closeSubpath}));
    EXPECT_EQ(rect.elements()[2].points[0], (CGPoint{4, 6}));

    UIBezierPath oval = UIBezierPath::ovalIn(CGRect(0, 0, 20, 20));
    EXPECT_EQ(oval.elements().size(), 6u); // move, four quarter curves, close
    expectOnCircle(oval, {10, 10}, 10);

    UIImagePtr filled = render(oval, {20, 20}, false);
    EXPECT_EQ(filled->pixelAt(10, 10).a, 255);
    EXPECT_EQ(filled->pixelAt(0, 0).a, 0);
}

TEST(UIBezierPathTest, RoundedRectWithChosenCorners)
{
    // Top-left, bottom-left and bottom-right rounded with radii 10 across and 20 down; top-right square.
    CGRect box(0, 0, 100, 60);
    UIBezierPath path = UIBezierPath::roundedRect(
        box, UIRectCorner::topLeft | UIRectCorner::bottomLeft | UIRectCorner::bottomRight, {10, 20});
    EXPECT_EQ(typesOf(path), (std::vector<Type>{Type::moveToPoint, Type::addLineToPoint, Type::addLineToPoint,
                                                Type::addCurveToPoint, Type::addLineToPoint, Type::addCurveToPoint,
                                                Type::addLineToPoint, Type::addCurveToPoint, Type::closeSubpath}));
    const auto& e = path.elements();
    EXPECT_EQ(e[0].points[0], (CGPoint{10, 0}));   // after the top-left corner
    EXPECT_EQ(e[1].points[0], (CGPoint{100, 0}));  // square top-right corner
    EXPECT_EQ(e[2].points[0], (CGPoint{100, 40})); // down to the bottom-right corner's start
    EXPECT_EQ(e[3].points[2], (CGPoint{90, 60}));
    EXPECT_EQ(e[5].points[2], (CGPoint{0, 40}));
    EXPECT_EQ(e[7].points[2], (CGPoint{10, 0}));
    EXPECT_EQ(path.bounds(), box);

    UIImagePtr filled = render(path, {100, 60}, false);
    EXPECT_EQ(filled->pixelAt(99, 0).a, 255) << "the square corner is filled";
    EXPECT_EQ(filled->pixelAt(0, 0).a, 0) << "the rounded corners are cut";
    EXPECT_EQ(filled->pixelAt(99, 59).a, 0);
    EXPECT_EQ(filled->pixelAt(50, 30).a, 255);

    // Radii larger than half a side are limited to it; a plain rounded rect rounds all four corners.
    UIBezierPath pill = UIBezierPath::roundedRect(CGRect(0, 0, 40, 20), 50);
    EXPECT_EQ(pill.elements()[0].points[0], (CGPoint{10, 0}));
    EXPECT_EQ(pill.elements().size(), 10u);
    UIBezierPath square = UIBezierPath::roundedRect(CGRect(0, 0, 40, 20), 0);
    EXPECT_EQ(square.elements().size(), 6u);
}

TEST(UIBezierPathTest, ArcsFollowScreenClockwise)
{
    // The spinner's arcs: 3pi/4 to pi/4 clockwise sweeps 270 degrees through the top, gap at the bottom.
    CGPoint c{20, 20};
    double r = 18;
    UIBezierPath head = UIBezierPath::arc(c, r, 3 * pi / 4, pi / 4, true);
    ASSERT_EQ(head.elements().size(), 4u); // move + three quarter turns
    EXPECT_EQ(head.elements()[0].type, Type::moveToPoint);
    EXPECT_LT(distance(head.elements()[0].points[0], {c.x + r * std::cos(3 * pi / 4), c.y + r * std::sin(3 * pi / 4)}),
              1e-9);
    EXPECT_LT(distance(*head.currentPoint(), {c.x + r * std::cos(pi / 4), c.y + r * std::sin(pi / 4)}), 1e-9);
    expectOnCircle(head, c, r);
    UIBezierPath stroked = head;
    stroked.setLineWidth(2);
    UIImagePtr picture = render(stroked, {40, 40}, true);
    EXPECT_EQ(picture->pixelAt(20, 2).a, 255) << "the top is drawn";
    EXPECT_EQ(picture->pixelAt(20, 37).a, 0) << "the gap is at the bottom";

    UIBezierPath tail = UIBezierPath::arc(c, r, 3 * pi / 4, 3.0, true);
    EXPECT_EQ(tail.elements().size(), 2u); // about 37 degrees: one curve
    expectOnCircle(tail, c, r);

    // Counter-clockwise from 0 to pi/2 goes the long way round (270 degrees).
    UIBezierPath ccw = UIBezierPath::arc(c, r, 0, pi / 2, false);
    EXPECT_EQ(ccw.elements().size(), 4u);
    expectOnCircle(ccw, c, r);
    ccw.setLineWidth(2);
    UIImagePtr ccwPicture = render(ccw, {40, 40}, true);
    EXPECT_EQ(ccwPicture->pixelAt(20, 2).a, 255);
    EXPECT_EQ(ccwPicture->pixelAt(32, 32).a, 0);

    // A full turn closes on itself; a zero sweep adds only its start point.
    UIBezierPath circle = UIBezierPath::arc(c, r, 0, 2 * pi, true);
    EXPECT_EQ(circle.elements().size(), 5u);
    EXPECT_LT(distance(*circle.currentPoint(), {c.x + r, c.y}), 1e-9);
    EXPECT_EQ(UIBezierPath::arc(c, r, 1, 1, true).elements().size(), 1u);

    // After existing points the arc starts with a line to its first point.
    UIBezierPath joined;
    joined.move({0, 0});
    joined.addArc(c, r, 0, pi / 2, true);
    EXPECT_EQ(joined.elements()[1].type, Type::addLineToPoint);
    EXPECT_EQ(joined.elements()[1].points[0], (CGPoint{c.x + r, c.y}));
}
