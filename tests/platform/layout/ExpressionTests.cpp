#include "platform/layout/Constraint.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace platform::layout;

TEST(LayoutExpression, OperatorsBuildTheLinearFormTheyRead)
{
    Variable x("x"), y("y");
    x.setValue(2.0);
    y.setValue(3.0);

    struct Case {
        const char* text;
        Expression expression;
        double expected;
    };
    const Case cases[] = {
        {"x + 2*y - 10", x + 2.0 * y - 10.0, -2.0},
        {"10 - x/2", 10.0 - x / 2.0, 9.0},
        {"-(x - y)", -(x - y), 1.0},
        {"(x + y) * 3", (x + y) * 3.0, 15.0},
        {"2 * (y * 4)", 2.0 * (y * 4.0), 24.0},
        {"(x + 1) / 4", (x + 1.0) / 4.0, 0.75},
        {"x - x", x - x, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(c.expression.value(), c.expected) << c.text;
    }

    // lhs (relation) rhs is stored as lhs - rhs.
    const Constraint constraint = x + 5.0 <= 2.0 * y;
    EXPECT_EQ(constraint.relation(), Relation::LessOrEqual);
    EXPECT_DOUBLE_EQ(constraint.expression().value(), 1.0);
    EXPECT_FALSE(constraint.isSatisfied());
    EXPECT_TRUE((x + 4.0 <= 2.0 * y).isSatisfied());
    EXPECT_TRUE((y >= x).isSatisfied());
    EXPECT_TRUE((x * 3.0 == y + 3.0).isSatisfied());
}

TEST(LayoutExpression, IdentitiesAreSharedByCopies)
{
    Variable x("x");
    Variable copy = x;
    copy.setValue(7.0);
    EXPECT_EQ(x.value(), 7.0);
    EXPECT_TRUE(copy.sameAs(x));
    EXPECT_FALSE(Variable("x").sameAs(x));

    const Constraint required = x == 1.0;
    const Constraint weakened = required | Strength::weak;
    EXPECT_TRUE(required.strength().isRequired());
    EXPECT_EQ(weakened.strength(), Strength::weak);
    EXPECT_FALSE(weakened.sameAs(required));
    EXPECT_TRUE(Constraint(required).sameAs(required));
}

TEST(LayoutStrength, PrioritiesAreClampedToTheScale)
{
    EXPECT_TRUE(Strength(1000.0).isRequired());
    EXPECT_TRUE(Strength(5000.0).isRequired());
    EXPECT_EQ(Strength(5000.0).priority(), 1000.0);
    EXPECT_FALSE(Strength(999.0).isRequired());
    EXPECT_EQ(Strength(0.0), Strength::weak);
    EXPECT_EQ(Strength(-3.0), Strength::weak);
    EXPECT_EQ(Strength(std::nan("")), Strength::weak);
    EXPECT_LT(Strength::weak, Strength(1.0));
    EXPECT_LT(Strength::medium, Strength::strong);
    EXPECT_LT(Strength::strong, Strength::required);
}
