// Solver: edit variables, stays, reading the solution out, and rebuilding from the records.
#include "platform/layout/Solver.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace platform::layout {

namespace {

// How far a required constraint may miss, relative to its largest term, before the solution
// counts as broken by rounding.
constexpr double requiredResidueTolerance = 1.0e-8;

// variable == value, as "variable - value = 0".
Constraint holdAt(const Variable& variable, double value, Strength strength)
{
    return Constraint(Expression({Term(variable)}, -value), Relation::Equal, strength);
}

} // namespace

SolverStatus Solver::addEditVariable(const Variable& variable, Strength strength)
{
    if (m_edits.contains(variable.identity())) {
        return misuse("addEditVariable", SolverStatus::DuplicateEditVariable);
    }
    if (strength.isRequired()) {
        return misuse("addEditVariable", SolverStatus::RequiredEditStrength);
    }
    const double start = std::isfinite(variable.value()) ? variable.value() : 0.0;
    const Constraint constraint = holdAt(variable, start, strength);
    // An optional equality always has a subject, so this cannot fail.
    const SolverStatus status = add(constraint);
    if (status != SolverStatus::Ok) {
        return status;
    }
    const Tag tag = m_constraints.at(constraint.identity()).tag;
    m_edits.emplace(variable.identity(), EditRecord{constraint, tag, start});
    return SolverStatus::Ok;
}

SolverStatus Solver::removeEditVariable(const Variable& variable)
{
    auto found = m_edits.find(variable.identity());
    if (found == m_edits.end()) {
        return misuse("removeEditVariable", SolverStatus::UnknownEditVariable);
    }
    const Constraint constraint = found->second.constraint;
    m_edits.erase(found);
    return removeConstraintQuietly(constraint);
}

bool Solver::hasEditVariable(const Variable& variable) const
{
    return m_edits.contains(variable.identity());
}

SolverStatus Solver::suggestValue(const Variable& variable, double value)
{
    auto found = m_edits.find(variable.identity());
    if (found == m_edits.end()) {
        return misuse("suggestValue", SolverStatus::UnknownEditVariable);
    }
    if (!std::isfinite(value)) {
        return misuse("suggestValue", SolverStatus::NonFiniteValue);
    }
    ++m_revision;
    EditRecord& edit = found->second;
    const double delta = value - edit.constant;
    edit.constant = value;
    m_tableau.shiftEditConstant(edit.tag.marker, edit.tag.other, delta);
    if (!m_tableau.dualOptimize() || !m_tableau.isFeasible()) {
        rebuild();
    }
    return SolverStatus::Ok;
}

SolverStatus Solver::addStay(const Variable& variable, Strength strength)
{
    if (!std::isfinite(variable.value())) {
        return misuse("addStay", SolverStatus::NonFiniteValue);
    }
    const Constraint stay = holdAt(variable, variable.value(), strength);
    auto previous = m_stays.find(variable.identity());
    if (previous == m_stays.end()) {
        const SolverStatus status = add(stay);
        if (status == SolverStatus::Ok) {
            m_stays.emplace(variable.identity(), stay);
        }
        return status;
    }
    // Replace: the old stay goes first, or a required new one would contradict it.
    const Constraint old = previous->second;
    removeConstraintQuietly(old);
    const SolverStatus status = add(stay);
    if (status == SolverStatus::Ok) {
        previous->second = stay;
    } else {
        add(old); // it held before, together with everything else still here
    }
    return status;
}

SolverStatus Solver::removeStay(const Variable& variable)
{
    auto found = m_stays.find(variable.identity());
    if (found == m_stays.end()) {
        return misuse("removeStay", SolverStatus::UnknownConstraint);
    }
    const Constraint stay = found->second;
    m_stays.erase(found);
    return removeConstraintQuietly(stay);
}

bool Solver::hasStay(const Variable& variable) const
{
    return m_stays.contains(variable.identity());
}

void Solver::updateVariables()
{
    writeValues();
    // Pivots on small elements magnify rounding; in such systems the rows can drift far enough
    // from the constraints that a required one no longer holds. Solving afresh puts it right.
    // Checked once per change, and only where rounding has shown itself.
    if (m_checkedRevision == m_revision || !(m_rebuiltForRounding || m_tableau.hasLostPrecision())) {
        return;
    }
    if (!requiredConstraintsHold()) {
        rebuild();
        writeValues();
    }
    m_checkedRevision = m_revision;
}

void Solver::writeValues()
{
    for (VariableRecord& record : m_variables) {
        const Row* row = m_tableau.rowFor(record.symbol);
        // A non-basic variable sits at zero; adding 0.0 turns -0.0 into 0.0.
        record.variable.setValue((row ? row->constant() : 0.0) + 0.0);
    }
}

// Whether every required constraint holds at the variables' values, up to rounding relative to
// the largest of its terms.
bool Solver::requiredConstraintsHold() const
{
    for (const auto& entry : m_constraints) {
        const Constraint& constraint = entry.second.constraint;
        if (!constraint.strength().isRequired()) {
            continue;
        }
        const Expression& expression = constraint.expression();
        double scale = std::fabs(expression.constant());
        for (const Term& term : expression.terms()) {
            scale = std::max(scale, std::fabs(term.coefficient * term.variable.value()));
        }
        if (!constraint.isSatisfied(requiredResidueTolerance * std::max(1.0, scale))) {
            return false;
        }
    }
    return true;
}

// Rounding broke an invariant of the tableau (badly scaled coefficients can do that): solve the
// recorded constraints, edit variables (at their last suggestion) and stays again from nothing, in
// the order they were added. A rebuild that breaks again keeps what it reached.
void Solver::rebuild()
{
    if (m_rebuilding) {
        return;
    }
    m_rebuilding = true;
    m_rebuiltForRounding = true;
    debugLog("layout solver: rounding broke the tableau; rebuilding it from its constraints");

    std::vector<ConstraintRecord> records;
    records.reserve(m_constraints.size());
    for (const auto& entry : m_constraints) {
        records.push_back(entry.second);
    }
    std::sort(records.begin(), records.end(),
              [](const ConstraintRecord& a, const ConstraintRecord& b) { return a.order < b.order; });
    std::unordered_map<const void*, EditRecord*> editsByConstraint;
    for (auto& entry : m_edits) {
        editsByConstraint.emplace(entry.second.constraint.identity(), &entry.second);
    }

    m_tableau = Tableau();
    m_constraints.clear();
    m_variables.clear();
    m_variableIndex.clear();
    for (const ConstraintRecord& record : records) {
        auto edit = editsByConstraint.find(record.constraint.identity());
        if (edit != editsByConstraint.end()) {
            EditRecord& editRecord = *edit->second;
            const Variable variable = record.constraint.expression().terms().front().variable;
            const Constraint held = holdAt(variable, editRecord.constant, record.constraint.strength());
            add(held); // an optional equality always has a subject
            editRecord.constraint = held;
            editRecord.tag = m_constraints.at(held.identity()).tag;
            continue;
        }
        if (add(record.constraint) != SolverStatus::Ok) {
            // Only a required constraint at the edge of rounding can be refused here.
            debugLog("layout solver: a required constraint no longer fits after rebuilding; dropped");
            std::erase_if(m_stays, [&](const auto& stay) { return stay.second.sameAs(record.constraint); });
        }
    }
    m_rebuilding = false;
}

} // namespace platform::layout
