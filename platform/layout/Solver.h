#pragma once
// An incremental linear constraint solver (Cassowary-style simplex).
//
// Constraints are added and removed one at a time; the solution is kept optimal after every call.
// Required constraints (priority 1000) always hold; optional ones are satisfied as well as possible,
// higher priorities first (see Strength). Values reach the variables only in updateVariables().
//
// Nothing throws. Every operation returns a SolverStatus; on anything but Ok the solver is
// unchanged. Misuse (duplicates, unknown items, NaN input) also writes one debug line; an
// unsatisfiable required constraint does not, so the caller can report it with its own context.
//
// Edit variables let a value be suggested repeatedly at an optional strength; each suggestion is
// re-solved with the dual simplex, much cheaper than removing and adding a constraint.
// Stays keep a variable at its current value with a weak strength (by default), so a
// variable that nothing else determines does not fall to zero.

#include "platform/layout/Constraint.h"
#include "platform/layout/SolverStatus.h"
#include "platform/layout/Tableau.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::layout {

class Solver {
public:
    Solver() = default;
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;
    Solver(Solver&&) = default;
    Solver& operator=(Solver&&) = default;

    // Ok, DuplicateConstraint, NonFiniteValue, or UnsatisfiableConstraint (required only; the
    // constraint is not added).
    SolverStatus addConstraint(const Constraint& constraint);
    // Ok or UnknownConstraint.
    SolverStatus removeConstraint(const Constraint& constraint);
    bool hasConstraint(const Constraint& constraint) const;

    // Makes variable editable at an optional strength, held at its current value until a value is
    // suggested. Ok, DuplicateEditVariable, RequiredEditStrength.
    SolverStatus addEditVariable(const Variable& variable, Strength strength);
    // Ok or UnknownEditVariable.
    SolverStatus removeEditVariable(const Variable& variable);
    bool hasEditVariable(const Variable& variable) const;
    // Ok, UnknownEditVariable or NonFiniteValue.
    SolverStatus suggestValue(const Variable& variable, double value);

    // Keeps variable at its current value() with the given strength. Staying an already-stayed
    // variable replaces its stay with one at the current value. Ok, NonFiniteValue, or
    // UnsatisfiableConstraint (a required stay that contradicts; the previous stay is kept).
    SolverStatus addStay(const Variable& variable, Strength strength = Strength::weak);
    // Ok or UnknownConstraint.
    SolverStatus removeStay(const Variable& variable);
    bool hasStay(const Variable& variable) const;

    // Writes the solution into every variable that is in at least one constraint. Variables that
    // left the solver keep their last value. In badly scaled systems (coefficients spread over
    // orders of magnitude) it first checks that the required constraints hold, and solves all
    // constraints afresh if rounding broke one.
    void updateVariables();

    // Constraints added through addConstraint (edit variables and stays not counted).
    std::size_t constraintCount() const { return m_constraints.size() - m_edits.size() - m_stays.size(); }

    // The tableau as text, for test failures and the debug log (see SolverDump.cpp for the form).
    std::string dump() const;

private:
    // The symbols that identify a constraint's row: marker is its slack, plus error or dummy;
    // other is the second error symbol of an optional constraint.
    struct Tag {
        Symbol marker;
        Symbol other;
    };
    struct ConstraintRecord {
        Constraint constraint;
        Tag tag;
        std::uint64_t order; // when it was added, for rebuilding in the same order
    };
    struct VariableRecord {
        Variable variable;
        Symbol symbol;
        std::uint32_t references;
    };
    struct EditRecord {
        Constraint constraint;
        Tag tag;
        double constant;
    };

    // Writes the one debug line for a refused call and returns its status.
    static SolverStatus misuse(const char* operation, SolverStatus status);
    SolverStatus add(const Constraint& constraint);
    void remove(const ConstraintRecord& record);
    SolverStatus removeConstraintQuietly(const Constraint& constraint);
    Row createRow(const Constraint& constraint, Tag& tag);
    Symbol chooseSubject(const Row& row, const Tag& tag) const;
    void undoCreateRow(const Constraint& constraint, const Tag& tag);
    Symbol retainVariable(const Variable& variable);
    void releaseVariable(const Variable& variable);
    bool isFresh(Symbol symbol) const;
    void optimize();
    void rebuild();
    void writeValues();
    bool requiredConstraintsHold() const;

    Tableau m_tableau;
    std::unordered_map<const void*, ConstraintRecord> m_constraints;
    std::unordered_map<const void*, EditRecord> m_edits;
    std::unordered_map<const void*, Constraint> m_stays;
    std::vector<VariableRecord> m_variables;
    std::unordered_map<const void*, std::uint32_t> m_variableIndex; // identity -> m_variables slot
    std::vector<Symbol> m_freshSymbols;                             // symbols made by the current createRow
    std::uint64_t m_nextOrder = 0;
    bool m_rebuilding = false;
    bool m_rebuiltForRounding = false;   // rounding broke the tableau once: keep checking the solution
    std::uint64_t m_revision = 0;        // counts changes to the constraints and edit values
    std::uint64_t m_checkedRevision = 0; // the revision whose solution was last checked
};

} // namespace platform::layout
