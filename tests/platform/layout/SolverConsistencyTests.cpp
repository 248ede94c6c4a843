// Random add/remove/suggest sequences checked against solving the same final system from scratch:
// every required constraint must hold, and each priority level's total error must be the same
// (the lexicographic optimum is unique even when the solution is not).
#include "platform/layout/SolverErrors.h"
#include "platform/layout/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

using namespace platform::layout;
using solvertest::errorOf;
using solvertest::levelErrors;

namespace {

struct RandomSystem {
    explicit RandomSystem(unsigned seed) : random(seed)
    {
        for (int index = 0; index < 12; ++index) {
            variables.emplace_back("v" + std::to_string(index));
        }
    }

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    Constraint randomConstraint()
    {
        const Variable& a = variables[pick(static_cast<int>(variables.size()))];
        const Variable& b = variables[pick(static_cast<int>(variables.size()))];
        const Expression lhs = a + std::round(uniform(-2.0, 2.0)) * b;
        const double constant = std::round(uniform(-100.0, 100.0));
        static const double priorities[] = {1000.0, 1000.0, 800.0, 750.0, 250.0, 1.0};
        const Strength strength(priorities[pick(6)]);
        switch (pick(3)) {
        case 0: return (lhs <= constant) | strength;
        case 1: return (lhs >= constant) | strength;
        default: return (lhs == constant) | strength;
        }
    }

    std::mt19937 random;
    std::vector<Variable> variables;
};

} // namespace

TEST(LayoutSolverConsistency, IncrementalChangesMatchSolvingFromScratch)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSystem system(seed);
        Solver solver;
        std::vector<Constraint> active;
        // Every variable is boxed in, so every level has a finite optimum.
        for (const Variable& variable : system.variables) {
            active.push_back(variable >= -1000.0);
            active.push_back(variable <= 1000.0);
            ASSERT_EQ(solver.addConstraint(active[active.size() - 2]), SolverStatus::Ok);
            ASSERT_EQ(solver.addConstraint(active.back()), SolverStatus::Ok);
        }
        const std::size_t boxCount = active.size();
        const Variable edited = system.variables[0];
        bool editing = false;
        double suggested = 0.0;

        for (int step = 0; step < 60; ++step) {
            const int action = system.pick(10);
            if (action < 6 || active.size() == boxCount) {
                const Constraint constraint = system.randomConstraint();
                const SolverStatus status = solver.addConstraint(constraint);
                ASSERT_TRUE(status == SolverStatus::Ok || status == SolverStatus::UnsatisfiableConstraint);
                ASSERT_TRUE(status == SolverStatus::Ok || constraint.strength().isRequired());
                if (status == SolverStatus::Ok) {
                    active.push_back(constraint);
                }
            } else if (action < 9) {
                const std::size_t index = boxCount + system.pick(static_cast<int>(active.size() - boxCount));
                ASSERT_EQ(solver.removeConstraint(active[index]), SolverStatus::Ok);
                active.erase(active.begin() + static_cast<std::ptrdiff_t>(index));
            } else {
                if (!editing) {
                    ASSERT_EQ(solver.addEditVariable(edited, Strength(900.0)), SolverStatus::Ok);
                    editing = true;
                }
                suggested = std::round(system.uniform(-200.0, 200.0));
                ASSERT_EQ(solver.suggestValue(edited, suggested), SolverStatus::Ok);
            }

            solver.updateVariables();
            std::vector<Constraint> everything = active;
            if (editing) {
                everything.push_back((edited == suggested) | Strength(900.0));
            }
            for (const Constraint& constraint : everything) {
                if (constraint.strength().isRequired()) {
                    ASSERT_TRUE(constraint.isSatisfied(1.0e-6)) << "step " << step;
                }
            }
            const auto incremental = levelErrors(everything);

            // The same system, added in reverse order to a new solver.
            Solver fresh;
            for (auto it = everything.rbegin(); it != everything.rend(); ++it) {
                ASSERT_EQ(fresh.addConstraint(*it), SolverStatus::Ok) << "step " << step;
            }
            fresh.updateVariables();
            const auto reference = levelErrors(everything);
            ASSERT_EQ(incremental.size(), reference.size());
            for (auto mine = incremental.begin(), theirs = reference.begin(); mine != incremental.end();
                 ++mine, ++theirs) {
                EXPECT_NEAR(mine->second, theirs->second, 1.0e-6) << "step " << step << ", priority " << mine->first;
            }
            solver.updateVariables(); // put the incremental solution back for the next step
        }
    }
}
