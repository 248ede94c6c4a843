#pragma once
// What a solver operation did. Nothing in the solver throws; every failure is one of these and
// leaves the solver as it was before the call.

namespace platform::layout {

enum class SolverStatus {
    Ok,
    DuplicateConstraint,     // the constraint is already in the solver
    UnknownConstraint,       // the constraint is not in the solver
    UnsatisfiableConstraint, // a required constraint contradicts the required ones already added
    DuplicateEditVariable,   // the variable is already an edit variable
    UnknownEditVariable,     // the variable is not an edit variable
    RequiredEditStrength,    // edit variables must be optional (priority below 1000)
    NonFiniteValue,          // NaN or infinity in a coefficient, a constant or a suggested value
};

// A short English description, for debug lines.
const char* describe(SolverStatus status);

} // namespace platform::layout
