#pragma once
// How far a solved constraint is from holding, for the tests that compare incremental solving with
// solving from scratch.
#include "platform/layout/Constraint.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace solvertest {

using namespace platform::layout;

// How much the constraint's current values break it (0 when it holds).
inline double errorOf(const Constraint& constraint)
{
    const double value = constraint.expression().value();
    switch (constraint.relation()) {
    case Relation::LessOrEqual: return std::max(0.0, value);
    case Relation::GreaterOrEqual: return std::max(0.0, -value);
    case Relation::Equal: break;
    }
    return std::fabs(value);
}

// Total error per optional priority, highest first.
inline std::map<double, double, std::greater<>> levelErrors(const std::vector<Constraint>& constraints)
{
    std::map<double, double, std::greater<>> errors;
    for (const Constraint& constraint : constraints) {
        if (!constraint.strength().isRequired()) {
            errors[constraint.strength().priority()] += errorOf(constraint);
        }
    }
    return errors;
}

} // namespace solvertest
