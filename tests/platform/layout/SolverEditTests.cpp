#include "platform/layout/Solver.h"

#include <gtest/gtest.h>

using namespace platform::layout;

TEST(LayoutSolverEdit, SuggestedValuesAreFollowedWithinTheRequiredOnes)
{
    // A box dragged by its left edge: 100 wide if it can, but it must stay inside [0, 300].
    Solver solver;
    Variable left("left"), width("width");
    ASSERT_EQ(solver.addConstraint(left >= 0.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(left + width <= 300.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(width >= 20.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((width == 100.0) | Strength::medium), SolverStatus::Ok);
    ASSERT_EQ(solver.addEditVariable(left, Strength::strong), SolverStatus::Ok);
    EXPECT_TRUE(solver.hasEditVariable(left));

    struct Step {
        double suggested, left, width;
    };
    const Step steps[] = {
        {50, 50, 100}, {150, 150, 100}, {250, 250, 50},  {400, 280, 20},
        {-30, 0, 100}, {200, 200, 100}, {200, 200, 100}, {10, 10, 100},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(solver.suggestValue(left, step.suggested), SolverStatus::Ok);
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(left.value(), step.left) << "suggested " << step.suggested;
        EXPECT_DOUBLE_EQ(width.value(), step.width) << "suggested " << step.suggested;
    }

    // Without the edit, nothing holds left any more: it falls back to a basic solution.
    ASSERT_EQ(solver.removeEditVariable(left), SolverStatus::Ok);
    EXPECT_FALSE(solver.hasEditVariable(left));
    ASSERT_EQ(solver.addConstraint((left == 120.0) | Strength::weak), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(left.value(), 120.0);
    EXPECT_DOUBLE_EQ(width.value(), 100.0);
}

TEST(LayoutSolverEdit, EditStrengthTakesPartInThePriorityOrder)
{
    Solver solver;
    Variable x("x"), y("y");
    ASSERT_EQ(solver.addConstraint((x == 5.0) | Strength(800.0)), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((y == 5.0) | Strength(800.0)), SolverStatus::Ok);
    ASSERT_EQ(solver.addEditVariable(x, Strength(999.0)), SolverStatus::Ok);
    ASSERT_EQ(solver.addEditVariable(y, Strength(700.0)), SolverStatus::Ok);
    for (double value : {40.0, -12.5, 1000.0}) {
        ASSERT_EQ(solver.suggestValue(x, value), SolverStatus::Ok);
        ASSERT_EQ(solver.suggestValue(y, value), SolverStatus::Ok);
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(x.value(), value); // 999 beats 800
        EXPECT_DOUBLE_EQ(y.value(), 5.0);   // 700 loses to 800
    }
}

TEST(LayoutSolverEdit, EditsStartAtTheCurrentValueAndFeedDependents)
{
    Solver solver;
    Variable x("x"), y("y");
    x.setValue(42.0);
    ASSERT_EQ(solver.addConstraint(y == 2.0 * x + 1.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addEditVariable(x, Strength::strong), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 42.0);
    EXPECT_DOUBLE_EQ(y.value(), 85.0);

    for (int step = 0; step < 100; ++step) {
        ASSERT_EQ(solver.suggestValue(x, step * 0.5), SolverStatus::Ok);
    }
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 49.5);
    EXPECT_DOUBLE_EQ(y.value(), 100.0);
}

TEST(LayoutSolverStay, StaysKeepUnderConstrainedVariablesWhereTheyAre)
{
    Solver solver;
    Variable x("x"), y("y");
    ASSERT_EQ(solver.addConstraint(x + y == 100.0), SolverStatus::Ok);
    x.setValue(30.0);
    ASSERT_EQ(solver.addStay(x), SolverStatus::Ok);
    EXPECT_TRUE(solver.hasStay(x));
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 30.0);
    EXPECT_DOUBLE_EQ(y.value(), 70.0);

    // Staying again replaces the stay with one at the current value.
    x.setValue(55.0);
    ASSERT_EQ(solver.addStay(x), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(y.value(), 45.0);

    // A stay is weaker than the lowest UI priority.
    const Constraint nudge = (x == 10.0) | Strength(1.0);
    ASSERT_EQ(solver.addConstraint(nudge), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 10.0);
    ASSERT_EQ(solver.removeConstraint(nudge), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 55.0);

    // A required stay that contradicts is refused and the previous stay is kept.
    ASSERT_EQ(solver.addConstraint(y == 45.0), SolverStatus::Ok);
    x.setValue(60.0);
    EXPECT_EQ(solver.addStay(x, Strength::required), SolverStatus::UnsatisfiableConstraint);
    EXPECT_TRUE(solver.hasStay(x));
    EXPECT_EQ(solver.removeStay(x), SolverStatus::Ok);
    EXPECT_FALSE(solver.hasStay(x));
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 55.0);
    EXPECT_EQ(solver.constraintCount(), 2u);
}
