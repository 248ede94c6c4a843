#include "platform/layout/SolverStatus.h"

namespace platform::layout {

const char* describe(SolverStatus status)
{
    switch (status) {
    case SolverStatus::Ok: return "ok";
    case SolverStatus::DuplicateConstraint: return "duplicate constraint";
    case SolverStatus::UnknownConstraint: return "unknown constraint";
    case SolverStatus::UnsatisfiableConstraint: return "unsatisfiable required constraint";
    case SolverStatus::DuplicateEditVariable: return "duplicate edit variable";
    case SolverStatus::UnknownEditVariable: return "unknown edit variable";
    case SolverStatus::RequiredEditStrength: return "edit variable with required strength";
    case SolverStatus::NonFiniteValue: return "non-finite value";
    }
    return "unknown status";
}

} // namespace platform::layout
