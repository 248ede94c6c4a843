#include "platform/foundation/DebugLog.h"
#include "platform/layout/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace platform::layout;

TEST(LayoutSolver, SolvesEqualitiesAndInequalities)
{
    Solver solver;
    Variable x("x"), y("y"), z("z"), left("left"), mid("mid"), right("right");
    ASSERT_EQ(solver.addConstraint(x == 10.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(x + y == 30.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(z >= x + y), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((z == 0.0) | Strength::weak), SolverStatus::Ok);

    // The classic midpoint: mid halfway, at least 10 wide, inside [0, 100], pulled to the left.
    ASSERT_EQ(solver.addConstraint(2.0 * mid == left + right), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(left + 10.0 <= right), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(right <= 100.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(left >= 0.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((right == 0.0) | Strength::medium), SolverStatus::Ok);
    solver.updateVariables();

    EXPECT_DOUBLE_EQ(x.value(), 10.0);
    EXPECT_DOUBLE_EQ(y.value(), 20.0);
    EXPECT_DOUBLE_EQ(z.value(), 30.0);
    EXPECT_DOUBLE_EQ(left.value(), 0.0);
    EXPECT_DOUBLE_EQ(right.value(), 10.0);
    EXPECT_DOUBLE_EQ(mid.value(), 5.0);
    EXPECT_EQ(solver.constraintCount(), 9u);
}

TEST(LayoutSolver, HigherPrioritiesWin)
{
    Solver solver;
    Variable x("x"), y("y"), w("w");
    // Required beats optional.
    ASSERT_EQ(solver.addConstraint((x == 100.0) | Strength::strong), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(x <= 50.0), SolverStatus::Ok);
    // Strong beats medium beats weak.
    ASSERT_EQ(solver.addConstraint((y >= 10.0) | Strength::strong), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((y <= 5.0) | Strength::medium), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((y == 0.0) | Strength::weak), SolverStatus::Ok);
    // A lower level is still honoured where the higher ones leave room: w follows y at 750 and
    // only falls back to its 250 wish if that were impossible.
    ASSERT_EQ(solver.addConstraint((w == y) | Strength(750.0)), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((w == 3.0) | Strength(250.0)), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 50.0);
    EXPECT_DOUBLE_EQ(y.value(), 10.0);
    EXPECT_DOUBLE_EQ(w.value(), 10.0);
}

TEST(LayoutSolver, OnePriorityBeatsAnyNumberOfLowerOnes)
{
    for (int crowd : {1, 10, 1000}) {
        Solver solver;
        Variable x("x");
        ASSERT_EQ(solver.addConstraint((x == 100.0) | Strength(800.0)), SolverStatus::Ok);
        for (int index = 0; index < crowd; ++index) {
            ASSERT_EQ(solver.addConstraint((x == 0.0) | Strength(750.0)), SolverStatus::Ok);
        }
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(x.value(), 100.0) << crowd << " constraints at 750";
    }

    // Within one priority the errors add up: three wishes for 0 outweigh one for 10.
    Solver solver;
    Variable x("x");
    for (int index = 0; index < 3; ++index) {
        ASSERT_EQ(solver.addConstraint((x == 0.0) | Strength(750.0)), SolverStatus::Ok);
    }
    ASSERT_EQ(solver.addConstraint((x == 10.0) | Strength(750.0)), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 0.0);
}

TEST(LayoutSolver, RemovingAConstraintRestoresThePreviousSolution)
{
    Solver solver;
    Variable left("left"), width("width"), right("right");
    ASSERT_EQ(solver.addConstraint(right == left + width), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(left == 0.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((width == 100.0) | Strength::strong), SolverStatus::Ok);
    solver.updateVariables();
    ASSERT_DOUBLE_EQ(right.value(), 100.0);

    const Constraint clamp = right <= 80.0;
    const Constraint shift = (left == 30.0) | Strength(800.0);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(solver.addConstraint(clamp), SolverStatus::Ok);
        ASSERT_EQ(solver.addConstraint(shift), SolverStatus::Ok); // loses to the required left == 0
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(width.value(), 80.0);
        EXPECT_DOUBLE_EQ(left.value(), 0.0);

        ASSERT_EQ(solver.removeConstraint(clamp), SolverStatus::Ok);
        ASSERT_EQ(solver.removeConstraint(shift), SolverStatus::Ok);
        EXPECT_FALSE(solver.hasConstraint(clamp));
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(width.value(), 100.0);
        EXPECT_DOUBLE_EQ(right.value(), 100.0);
    }

    // Removing the required anchor lets the optional preference take over.
    const Constraint preferLeft = (left == 30.0) | Strength(800.0);
    ASSERT_EQ(solver.addConstraint(preferLeft), SolverStatus::Ok);
    Constraint anchor = left == 0.0;
    ASSERT_EQ(solver.addConstraint(anchor), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(left.value(), 0.0);
    ASSERT_EQ(solver.removeConstraint(anchor), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(left.value(), 0.0); // the first left == 0 still holds
    EXPECT_EQ(solver.constraintCount(), 4u);
}

TEST(LayoutSolver, UnsatisfiableRequiredConstraintIsRejectedAndTheRestStillSolves)
{
    Solver solver;
    Variable x("x"), y("y"), a("a"), b("b"), c("c");
    const Constraint anchor = x == 10.0;
    ASSERT_EQ(solver.addConstraint(anchor), SolverStatus::Ok);

    const Constraint equal = x == 20.0;   // contradicts through required equalities only
    const Constraint atLeast = x >= 20.0; // needs the artificial phase to fail
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(solver.addConstraint(equal), SolverStatus::UnsatisfiableConstraint);
        EXPECT_EQ(solver.addConstraint(atLeast), SolverStatus::UnsatisfiableConstraint);
    }
    EXPECT_FALSE(solver.hasConstraint(equal));
    EXPECT_FALSE(solver.hasConstraint(atLeast));
    EXPECT_EQ(solver.removeConstraint(atLeast), SolverStatus::UnknownConstraint);

    // A cycle of inequalities with no room.
    ASSERT_EQ(solver.addConstraint(a <= b), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(b <= c), SolverStatus::Ok);
    EXPECT_EQ(solver.addConstraint(c <= a - 1.0), SolverStatus::UnsatisfiableConstraint);

    ASSERT_EQ(solver.addConstraint(y == x + 5.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((a == 7.0) | Strength::strong), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((c == 3.0) | Strength::medium), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 10.0);
    EXPECT_DOUBLE_EQ(y.value(), 15.0);
    EXPECT_DOUBLE_EQ(a.value(), 7.0);
    EXPECT_DOUBLE_EQ(c.value(), 7.0);

    // Once the conflicting constraint is gone the rejected one fits.
    ASSERT_EQ(solver.removeConstraint(anchor), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(atLeast), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((x == 0.0) | Strength::weak), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 20.0);
    EXPECT_DOUBLE_EQ(y.value(), 25.0);
}

TEST(LayoutSolver, FailedArtificialPhaseLeavesTheTableauConsistent)
{
    Solver solver;
    Variable x("x"), y("y");
    const Constraint anchor = x + y <= 10.0;
    ASSERT_EQ(solver.addConstraint(x >= 0.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(y >= 0.0), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(anchor), SolverStatus::Ok);
    // Proving this impossible pivots the tableau before giving up.
    EXPECT_EQ(solver.addConstraint(x + y >= 20.0), SolverStatus::UnsatisfiableConstraint);

    ASSERT_EQ(solver.addConstraint((x == 30.0) | Strength::strong), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint((y == 4.0) | Strength::medium), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 10.0);
    EXPECT_DOUBLE_EQ(y.value(), 0.0);

    ASSERT_EQ(solver.removeConstraint(anchor), SolverStatus::Ok);
    ASSERT_EQ(solver.addConstraint(x + y >= 20.0), SolverStatus::Ok);
    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 30.0);
    EXPECT_DOUBLE_EQ(y.value(), 4.0);
}

TEST(LayoutSolver, MisuseIsReportedAndChangesNothing)
{
    Solver solver;
    Variable x("x"), y("y");
    const Constraint constraint = x == 5.0;
    ASSERT_EQ(solver.addConstraint(constraint), SolverStatus::Ok);

    platform::DebugLogCapture log;
    EXPECT_EQ(solver.addConstraint(constraint), SolverStatus::DuplicateConstraint);
    EXPECT_EQ(solver.removeConstraint(y == 1.0), SolverStatus::UnknownConstraint);
    EXPECT_EQ(solver.addConstraint(y == std::nan("")), SolverStatus::NonFiniteValue);
    EXPECT_EQ(solver.addConstraint(INFINITY * y == 1.0), SolverStatus::NonFiniteValue);
    EXPECT_EQ(solver.addEditVariable(y, Strength::required), SolverStatus::RequiredEditStrength);
    ASSERT_EQ(solver.addEditVariable(y, Strength::strong), SolverStatus::Ok);
    EXPECT_EQ(solver.addEditVariable(y, Strength::medium), SolverStatus::DuplicateEditVariable);
    EXPECT_EQ(solver.suggestValue(x, 1.0), SolverStatus::UnknownEditVariable);
    EXPECT_EQ(solver.suggestValue(y, std::nan("")), SolverStatus::NonFiniteValue);
    EXPECT_EQ(solver.removeEditVariable(x), SolverStatus::UnknownEditVariable);
    EXPECT_EQ(solver.removeStay(x), SolverStatus::UnknownConstraint);
    EXPECT_EQ(log.lines().size(), 10u);
    EXPECT_TRUE(log.contains("duplicate constraint"));

    // Unsatisfiable is left for the caller to report.
    log.clear();
    EXPECT_EQ(solver.addConstraint(x == 6.0), SolverStatus::UnsatisfiableConstraint);
    EXPECT_TRUE(log.lines().empty());

    solver.updateVariables();
    EXPECT_DOUBLE_EQ(x.value(), 5.0);
    EXPECT_EQ(solver.constraintCount(), 1u);
    EXPECT_TRUE(solver.hasConstraint(constraint));
}

TEST(LayoutSolver, RemovingOneOfTwoRedundantEqualitiesKeepsTheOther)
{
    // Both orders of removal, with a weaker preference pulling x away.
    for (int removeFirst = 0; removeFirst < 2; ++removeFirst) {
        SCOPED_TRACE("removing constraint " + std::to_string(removeFirst));
        Solver solver;
        Variable x("x");
        const Constraint equalities[2] = {x == 10.0, 2.0 * x == 20.0};
        ASSERT_EQ(solver.addConstraint(equalities[0]), SolverStatus::Ok);
        ASSERT_EQ(solver.addConstraint(equalities[1]), SolverStatus::Ok);
        ASSERT_EQ(solver.addConstraint((x == -81.8) | Strength::medium), SolverStatus::Ok);
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(x.value(), 10.0);

        ASSERT_EQ(solver.removeConstraint(equalities[removeFirst]), SolverStatus::Ok);
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(x.value(), 10.0);

        ASSERT_EQ(solver.removeConstraint(equalities[1 - removeFirst]), SolverStatus::Ok);
        solver.updateVariables();
        EXPECT_DOUBLE_EQ(x.value(), -81.8);
    }
}
