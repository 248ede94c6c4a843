// Systems whose rounding stresses the solver: values in the thousands, non-integer coefficients and
// several priority levels. Thousands of generated add/remove/edit/stay sequences are checked
// against solving the same final set from scratch: required constraints always hold, and every
// priority level's total error matches (the lexicographic optimum is unique). Once with
// coefficients spread over a factor of 400, once over a factor of 10,000.
#include "platform/layout/SolverErrors.h"
#include "platform/layout/Solver.h"

#include "AddressSanitizerBuild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace platform::layout;
using solvertest::errorOf;
using solvertest::levelErrors;

namespace {

// Generated sequences per coefficient spread. The sanitizer build, where a sequence costs about
// sixty times more, runs a sixth of them.
constexpr unsigned sequenceCount = testbuild::underAddressSanitizer ? 500 : 3000;

// Residual allowed for a constraint at the variables' values: relative to the magnitudes involved.
double toleranceFor(const Constraint& constraint)
{
    double scale = std::fabs(constraint.expression().constant());
    for (const Term& term : constraint.expression().terms()) {
        scale = std::max(scale, std::fabs(term.coefficient * term.variable.value()));
    }
    return 1.0e-6 * std::max(1.0, scale);
}

class RoughSystem {
public:
    RoughSystem(unsigned seed, double smallest, double largest)
        : m_smallest(smallest), m_largest(largest), m_random(seed)
    {
        const int variableCount = 4 + pick(6);
        for (int index = 0; index < variableCount; ++index) {
            variables.emplace_back("v" + std::to_string(index));
        }
        static const double scale[] = {999.0, 900.0, 800.0, 750.0, 500.0, 250.0, 100.0, 10.0, 1.0};
        std::vector<double> pool(std::begin(scale), std::end(scale));
        std::shuffle(pool.begin(), pool.end(), m_random);
        pool.resize(3 + static_cast<std::size_t>(pick(4)));
        priorities = pool;
    }

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    const Variable& anyVariable()
    {
        return variables[static_cast<std::size_t>(pick(static_cast<int>(variables.size())))];
    }

    // Non-integer, log-uniform between the smallest and largest magnitude.
    double coefficient()
    {
        const double magnitude = std::exp(uniform(std::log(m_smallest), std::log(m_largest)));
        return pick(2) ? magnitude : -magnitude;
    }

    Constraint randomConstraint()
    {
        Expression lhs = coefficient() * anyVariable();
        for (int extra = pick(3); extra > 0; --extra) {
            lhs = lhs + coefficient() * anyVariable();
        }
        const double constant = uniform(-1.0e4, 1.0e4);
        const Strength strength(
            pick(4) == 0 ? 1000.0 : priorities[static_cast<std::size_t>(pick(static_cast<int>(priorities.size())))]);
        switch (pick(3)) {
        case 0: return (lhs <= constant) | strength;
        case 1: return (lhs >= constant) | strength;
        default: return (lhs == constant) | strength;
        }
    }

    std::vector<Variable> variables;
    std::vector<double> priorities;

private:
    double m_smallest;
    double m_largest;
    std::mt19937 m_random;
};

// Runs one generated sequence; returns a description of the first mismatch, or an empty string.
std::string runSequence(RoughSystem system, unsigned seed, int steps)
{
    Solver solver;
    std::vector<Constraint> active;
    // Every variable is boxed in, so every level has a finite optimum.
    for (const Variable& variable : system.variables) {
        active.push_back(variable >= -2.0e4);
        active.push_back(variable <= 2.0e4);
        solver.addConstraint(active[active.size() - 2]);
        solver.addConstraint(active.back());
    }
    const std::size_t boxCount = active.size();
    const Variable edited = system.variables[0];
    const Strength editStrength(system.priorities[0]);
    const Variable stayed = system.variables[1];
    const Strength stayStrength(system.priorities.back());
    bool editing = false;
    double suggested = 0.0;
    bool staying = false;
    double stayValue = 0.0;

    for (int step = 0; step < steps; ++step) {
        const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step);
        const int action = system.pick(12);
        if (action < 6 || active.size() == boxCount) {
            const Constraint constraint = system.randomConstraint();
            const SolverStatus status = solver.addConstraint(constraint);
            if (status == SolverStatus::Ok) {
                active.push_back(constraint);
            } else if (status != SolverStatus::UnsatisfiableConstraint || !constraint.strength().isRequired()) {
                return where + ": add refused with " + describe(status);
            }
        } else if (action < 9) {
            const std::size_t index =
                boxCount + static_cast<std::size_t>(system.pick(static_cast<int>(active.size() - boxCount)));
            if (solver.removeConstraint(active[index]) != SolverStatus::Ok) {
                return where + ": remove refused";
            }
            active.erase(active.begin() + static_cast<std::ptrdiff_t>(index));
        } else if (action < 11) {
            if (!editing) {
                solver.addEditVariable(edited, editStrength);
                editing = true;
            }
            suggested = system.uniform(-1.0e4, 1.0e4);
            solver.suggestValue(edited, suggested);
        } else {
            solver.updateVariables();
            stayValue = stayed.value();
            solver.addStay(stayed, stayStrength);
            staying = true;
        }

        solver.updateVariables();
        std::vector<Constraint> everything = active;
        if (editing) {
            everything.push_back((edited == suggested) | editStrength);
        }
        if (staying) {
            everything.push_back((stayed == stayValue) | stayStrength);
        }
        for (const Constraint& constraint : everything) {
            if (constraint.strength().isRequired() && !constraint.isSatisfied(toleranceFor(constraint))) {
                return where + ": a required constraint is violated by " + std::to_string(errorOf(constraint));
            }
        }
        if (step % 10 != 0 && step + 1 != steps) {
            continue; // solving from scratch at every step would only repeat the same systems
        }
        const auto incremental = levelErrors(everything);

        Solver fresh;
        for (const Constraint& constraint : everything) {
            if (fresh.addConstraint(constraint) != SolverStatus::Ok) {
                return where + ": solving from scratch refused a constraint";
            }
        }
        fresh.updateVariables();
        const auto reference = levelErrors(everything);
        for (auto mine = incremental.begin(), theirs = reference.begin(); mine != incremental.end(); ++mine, ++theirs) {
            const double tolerance = 1.0e-5 * std::max(1.0e4, theirs->second);
            if (std::fabs(mine->second - theirs->second) > tolerance) {
                return where + ": priority " + std::to_string(mine->first) + " error " + std::to_string(mine->second) +
                       " against " + std::to_string(theirs->second);
            }
        }
        solver.updateVariables(); // put the incremental solution back for the next step
    }
    return {};
}

// Runs the generated sequences for coefficients log-uniform between smallest and largest and
// reports the first ten mismatches.
void expectIncrementalMatchesScratch(double smallest, double largest, unsigned sequences)
{
    int failures = 0;
    for (unsigned seed = 1; seed <= sequences && failures < 10; ++seed) {
        const std::string failure = runSequence(RoughSystem(seed, smallest, largest), seed, 50);
        if (!failure.empty()) {
            ADD_FAILURE() << failure;
            ++failures;
        }
    }
}

} // namespace

TEST(LayoutSolverRounding, IncrementalSolvingMatchesSolvingFromScratch)
{
    expectIncrementalMatchesScratch(0.05, 20.0, sequenceCount);
}

// Pivots on elements four orders of magnitude below the rest of their row, residue next to
// genuinely tiny coefficients, and level costs that differ only in the ninth digit.
TEST(LayoutSolverRounding, WidelySpreadCoefficientsMatchSolvingFromScratch)
{
    expectIncrementalMatchesScratch(0.01, 100.0, sequenceCount);
}

// y = x / 20000 and z = y / 20000: z's row gets a coefficient of 2.5e-9 on x, which is no rounding
// residue and must not be dropped as one.
TEST(LayoutSolverRounding, ChainedSmallRatiosKeepTheirProduct)
{
    const Variable x("x");
    const Variable y("y");
    const Variable z("z");
    Solver solver;
    ASSERT_EQ(SolverStatus::Ok, solver.addConstraint(y == 0.00005 * x));
    ASSERT_EQ(SolverStatus::Ok, solver.addConstraint(z == 0.00005 * y));
    ASSERT_EQ(SolverStatus::Ok, solver.addConstraint(x == 1.0e6));
    solver.updateVariables();

    EXPECT_DOUBLE_EQ(50.0, y.value());
    EXPECT_NEAR(0.0025, z.value(), 1.0e-12);
}
