#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/UIColor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace platform;

namespace {

void expectNear(CGPoint actual, CGPoint expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

void expectNear(const CGRect& actual, const CGRect& expected)
{
    EXPECT_NEAR(actual.minX(), expected.minX(), 1e-9);
    EXPECT_NEAR(actual.minY(), expected.minY(), 1e-9);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

} // namespace

TEST(CGRectTest, EdgesOfNormalAndNegativeSizedRects)
{
    CGRect r(10, 20, 30, 40);
    EXPECT_EQ(r.minX(), 10);
    EXPECT_EQ(r.midX(), 25);
    EXPECT_EQ(r.maxX(), 40);
    EXPECT_EQ(r.minY(), 20);
    EXPECT_EQ(r.midY(), 40);
    EXPECT_EQ(r.maxY(), 60);

    // A negative size spans backwards from the origin; every operation sees the standardised rect.
    CGRect negative(40, 60, -30, -40);
    EXPECT_EQ(negative.minX(), 10);
    EXPECT_EQ(negative.maxY(), 60);
    EXPECT_EQ(negative.width(), 30);
    EXPECT_EQ(negative.standardized(), r);
    EXPECT_EQ(negative, r);
    EXPECT_EQ(negative.offsetBy(1, 1), CGRect(11, 21, 30, 40));
}

TEST(CGRectTest, NullAndEmptyAreDifferent)
{
    EXPECT_TRUE(CGRect::null().isNull());
    EXPECT_TRUE(CGRect::null().isEmpty());
    EXPECT_FALSE(CGRect::zero().isNull());
    EXPECT_TRUE(CGRect::zero().isEmpty());
    EXPECT_TRUE(CGRect(5, 5, 0, 10).isEmpty());
    EXPECT_FALSE(CGRect(5, 5, 1, 10).isEmpty());
    EXPECT_NE(CGRect::null(), CGRect::zero());
    EXPECT_EQ(CGRect::null(), CGRect::null().offsetBy(3, 3));
}

TEST(CGRectTest, InsetIntersectionUnion)
{
    CGRect r(0, 0, 100, 50);
    EXPECT_EQ(r.insetBy(10, 5), CGRect(10, 5, 80, 40));
    EXPECT_EQ(r.insetBy(-10, -5), CGRect(-10, -5, 120, 60));
    EXPECT_TRUE(r.insetBy(60, 0).isNull()); // would be -20 wide
    EXPECT_EQ(r.insetBy(50, 25), CGRect(50, 25, 0, 0));
    EXPECT_EQ(r.insetBy(UIEdgeInsets{1, 2, 3, 4}), CGRect(2, 1, 94, 46));

    EXPECT_EQ(r.intersection(CGRect(50, 25, 100, 100)), CGRect(50, 25, 50, 25));
    EXPECT_TRUE(r.intersection(CGRect(200, 0, 10, 10)).isNull());
    // Touching edges give a zero-width rectangle, not null.
    CGRect touching = r.intersection(CGRect(100, 0, 10, 10));
    EXPECT_FALSE(touching.isNull());
    EXPECT_EQ(touching, CGRect(100, 0, 0, 10));
    EXPECT_FALSE(r.intersects(CGRect(100, 0, 10, 10)));
    EXPECT_TRUE(r.intersects(CGRect(99, 0, 10, 10)));

    EXPECT_EQ(r.unionWith(CGRect(150, 60, 10, 10)), CGRect(0, 0, 160, 70));
    EXPECT_EQ(r.unionWith(CGRect::null()), r);
    EXPECT_EQ(CGRect::null().unionWith(r), r);
}

TEST(CGRectTest, ContainsIsHalfOpenAndIntegralRoundsOutward)
{
    CGRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.contains(CGPoint{0, 0}));
    EXPECT_TRUE(r.contains(CGPoint{9.999, 9.999}));
    EXPECT_FALSE(r.contains(CGPoint{10, 5}));
    EXPECT_FALSE(r.contains(CGPoint{5, 10}));
    EXPECT_FALSE(CGRect::null().contains(CGPoint{0, 0}));
    EXPECT_TRUE(r.contains(CGRect(0, 0, 10, 10)));
    EXPECT_TRUE(r.contains(CGRect(2, 2, 3, 3)));
    EXPECT_FALSE(r.contains(CGRect(8, 8, 3, 3)));

    EXPECT_EQ(CGRect(0.4, 1.6, 10.2, 2.5).integral(), CGRect(0, 1, 11, 4));
    EXPECT_EQ(CGRect(-0.5, -0.5, 1, 1).integral(), CGRect(-1, -1, 2, 2));
    EXPECT_EQ(CGRect(1, 2, 3, 4).integral(), CGRect(1, 2, 3, 4));
    EXPECT_TRUE(CGRect::null().integral().isNull());
}

TEST(CGAffineTransformTest, KnownAnswers)
{
    CGPoint p{3, 4};
    expectNear(CGAffineTransform::makeScale(2, 3).apply(p), {6, 12});
    expectNear(CGAffineTransform::makeTranslation(10, -1).apply(p), {13, 3});
    // A quarter turn takes +x to +y (clockwise on a y-down screen).
    expectNear(CGAffineTransform::makeRotation(std::numbers::pi / 2).apply(CGPoint{1, 0}), {0, 1});

    // concatenating applies the receiver first.
    CGAffineTransform scaleThenMove =
        CGAffineTransform::makeScale(2, 2).concatenating(CGAffineTransform::makeTranslation(10, 0));
    expectNear(scaleThenMove.apply(p), {16, 8});
    // The builders apply their own step first, then the existing transform.
    CGAffineTransform moveThenScale = CGAffineTransform::makeScale(2, 2).translatedBy(10, 0);
    expectNear(moveThenScale.apply(p), {26, 8});
    expectNear(CGAffineTransform::makeTranslation(10, 0).scaledBy(2, 2).apply(p), {16, 8});
    expectNear(CGAffineTransform::identity().rotated(std::numbers::pi).apply(p), {-3, -4});

    EXPECT_TRUE(CGAffineTransform::identity().isIdentity());
    EXPECT_FALSE(moveThenScale.isIdentity());
}

TEST(CGAffineTransformTest, InvertRoundTripsAndSingularStaysPut)
{
    CGAffineTransform t = CGAffineTransform::makeRotation(0.7).scaledBy(2, 0.5).translatedBy(3, -8);
    CGAffineTransform inverse = t.inverted();
    CGPoint p{12.5, -3.25};
    expectNear(inverse.apply(t.apply(p)), p);
    CGAffineTransform product = t.concatenating(inverse);
    EXPECT_NEAR(product.a, 1, 1e-12);
    EXPECT_NEAR(product.b, 0, 1e-12);
    EXPECT_NEAR(product.tx, 0, 1e-12);

    CGAffineTransform singular = CGAffineTransform::makeScale(0, 1);
    EXPECT_FALSE(singular.isInvertible());
    EXPECT_EQ(singular.inverted(), singular);
}

TEST(CGAffineTransformTest, RectsAndSizes)
{
    CGRect r(0, 0, 10, 20);
    expectNear(CGAffineTransform::makeScale(2, 3).translatedBy(1, 1).apply(r), CGRect(2, 3, 20, 60));
    // A rotated rectangle maps to the bounding box of its corners.
    expectNear(CGAffineTransform::makeRotation(std::numbers::pi / 2).apply(r), CGRect(-20, 0, 20, 10));
    EXPECT_TRUE(CGAffineTransform::makeScale(2, 2).apply(CGRect::null()).isNull());
    CGSize s = CGAffineTransform::makeScale(2, 3).translatedBy(100, 100).apply(CGSize{4, 5});
    EXPECT_EQ(s, (CGSize{8, 15}));
}

TEST(GeometryPrinting, FailuresShowValuesNotBytes)
{
    using ::testing::PrintToString;
    EXPECT_EQ(PrintToString(CGRect{1, 2.5, 0.1, -4}), "{{1, 2.5}, {0.1, -4}}");
    EXPECT_EQ(PrintToString(CGPoint{1e-7, 100000.25}), "{1e-07, 100000.25}");
    EXPECT_EQ(PrintToString(CGSize{375, 667}), "{375, 667}");
    EXPECT_EQ(PrintToString(UIEdgeInsets{1, 2, 3, 4}), "{1, 2, 3, 4}");
    EXPECT_EQ(PrintToString(CGAffineTransform::makeTranslation(3, -2)), "[1, 0, 0, 1, 3, -2]");
    EXPECT_EQ(PrintToString(UIColor::orange()), "UIColor(1, 0.5, 0, 1)");
    EXPECT_EQ(PrintToString(UIColorPtr()), "nil");
    // Differences past six digits still show.
    EXPECT_NE(PrintToString(CGPoint{100.0000001, 0}), PrintToString(CGPoint{100, 0}));
}
