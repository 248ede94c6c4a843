// Solver: turning constraints into tableau rows, and adding and removing them.
#include "platform/layout/Solver.h"

#include "platform/foundation/DebugLog.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string>

namespace platform::layout {

namespace {

bool isFinite(const Expression& expression)
{
    if (!std::isfinite(expression.constant())) {
        return false;
    }
    return std::all_of(expression.terms().begin(), expression.terms().end(),
                       [](const Term& term) { return std::isfinite(term.coefficient); });
}

} // namespace

SolverStatus Solver::misuse(const char* operation, SolverStatus status)
{
    debugLog(std::string("layout solver: ") + operation + ": " + describe(status));
    return status;
}

SolverStatus Solver::addConstraint(const Constraint& constraint)
{
    if (m_constraints.contains(constraint.identity())) {
        return misuse("addConstraint", SolverStatus::DuplicateConstraint);
    }
    if (!isFinite(constraint.expression())) {
        return misuse("addConstraint", SolverStatus::NonFiniteValue);
    }
    return add(constraint);
}

SolverStatus Solver::removeConstraint(const Constraint& constraint)
{
    if (!m_constraints.contains(constraint.identity())) {
        return misuse("removeConstraint", SolverStatus::UnknownConstraint);
    }
    return removeConstraintQuietly(constraint);
}

SolverStatus Solver::removeConstraintQuietly(const Constraint& constraint)
{
    auto found = m_constraints.find(constraint.identity());
    assert(found != m_constraints.end());
    if (found == m_constraints.end()) {
        return SolverStatus::UnknownConstraint;
    }
    const ConstraintRecord record = found->second;
    m_constraints.erase(found);
    remove(record);
    return SolverStatus::Ok;
}

bool Solver::hasConstraint(const Constraint& constraint) const
{
    return m_constraints.contains(constraint.identity());
}

SolverStatus Solver::add(const Constraint& constraint)
{
    ++m_revision;
    Tag tag;
    Row row = createRow(constraint, tag);
    Symbol subject = chooseSubject(row, tag);

    if (!subject.isValid() && std::all_of(row.cells().begin(), row.cells().end(),
                                          [](const Row::Cell& cell) { return cell.symbol.isDummy(); })) {
        // Only required equalities' markers remain: the constraint is implied by them (constant
        // zero) or contradicts them.
        if (!nearZero(row.constant())) {
            undoCreateRow(constraint, tag);
            return SolverStatus::UnsatisfiableConstraint;
        }
        subject = tag.marker;
    }

    if (!subject.isValid()) {
        if (!m_tableau.addWithArtificialVariable(row)) {
            undoCreateRow(constraint, tag);
            optimize();
            return SolverStatus::UnsatisfiableConstraint;
        }
    } else {
        row.solveFor(subject);
        m_tableau.substitute(subject, row,
                             isFresh(subject) ? Tableau::Scope::ObjectivesOnly : Tableau::Scope::Everywhere);
        m_tableau.insertRow(subject, std::move(row));
    }

    m_constraints.emplace(constraint.identity(), ConstraintRecord{constraint, tag, m_nextOrder++});
    optimize();
    return SolverStatus::Ok;
}

void Solver::remove(const ConstraintRecord& record)
{
    ++m_revision;
    const Tag& tag = record.tag;
    const Strength strength = record.constraint.strength();

    if (!strength.isRequired()) {
        // Take the constraint's errors out of its level's objective.
        for (Symbol symbol : {tag.marker, tag.other}) {
            if (symbol.isValid() && symbol.kind == SymbolKind::Error) {
                m_tableau.addToObjective(strength.priority(), symbol, -1.0);
            }
        }
    }

    // Make the marker basic, then drop its row: that removes exactly this constraint's equation.
    // A marker in no row means rounding erased the equation's trace; only a rebuild can help.
    bool intact = true;
    if (!m_tableau.isBasic(tag.marker)) {
        const Symbol leaving = m_tableau.markerLeavingRow(tag.marker);
        if (leaving.isValid()) {
            m_tableau.pivot(leaving, tag.marker);
        } else {
            intact = false;
        }
    }
    if (m_tableau.isBasic(tag.marker)) {
        m_tableau.takeRow(tag.marker);
    }

    undoCreateRow(record.constraint, tag);
    if (intact) {
        optimize();
    } else {
        rebuild();
    }
}

// Builds the constraint's row "0 = expression + slack/error terms" over non-basic symbols, with
// its constant made non-negative, and registers its errors in its level's objective.
Row Solver::createRow(const Constraint& constraint, Tag& tag)
{
    m_freshSymbols.clear();
    const Expression& expression = constraint.expression();
    Row row(expression.constant());
    for (const Term& term : expression.terms()) {
        const Symbol symbol = retainVariable(term.variable);
        if (nearZero(term.coefficient)) {
            continue;
        }
        if (const Row* basicRow = m_tableau.rowFor(symbol)) {
            row.insert(*basicRow, term.coefficient);
        } else {
            row.insert(symbol, term.coefficient);
        }
    }

    const Strength strength = constraint.strength();
    const bool optional = !strength.isRequired();
    if (optional) {
        m_tableau.retainLevel(strength.priority());
    }
    auto fresh = [this](SymbolKind kind) {
        const Symbol symbol = m_tableau.newSymbol(kind);
        m_freshSymbols.push_back(symbol);
        return symbol;
    };

    switch (constraint.relation()) {
    case Relation::LessOrEqual:
    case Relation::GreaterOrEqual: {
        // expression <= 0 becomes expression + slack = 0; >= subtracts the slack.
        const double sign = constraint.relation() == Relation::LessOrEqual ? 1.0 : -1.0;
        tag.marker = fresh(SymbolKind::Slack);
        row.insert(tag.marker, sign);
        if (optional) {
            tag.other = fresh(SymbolKind::Error);
            row.insert(tag.other, -sign);
            m_tableau.addToObjective(strength.priority(), tag.other, 1.0);
        }
        break;
    }
    case Relation::Equal:
        if (optional) {
            // expression = plus - minus, both errors costed.
            tag.marker = fresh(SymbolKind::Error);
            tag.other = fresh(SymbolKind::Error);
            row.insert(tag.marker, -1.0);
            row.insert(tag.other, 1.0);
            m_tableau.addToObjective(strength.priority(), tag.marker, 1.0);
            m_tableau.addToObjective(strength.priority(), tag.other, 1.0);
        } else {
            tag.marker = fresh(SymbolKind::Dummy);
            row.insert(tag.marker, 1.0);
        }
        break;
    }

    if (row.constant() < 0.0) {
        row.reverseSign();
    }
    return row;
}

// The symbol to make basic: an external variable if any (they are unrestricted), else a new slack
// or error whose negative coefficient keeps it non-negative. Invalid when there is none.
Symbol Solver::chooseSubject(const Row& row, const Tag& tag) const
{
    for (const Row::Cell& cell : row.cells()) {
        if (cell.symbol.isExternal()) {
            return cell.symbol;
        }
    }
    for (Symbol symbol : {tag.marker, tag.other}) {
        if (symbol.isValid() && symbol.isPivotable() && row.coefficientFor(symbol) < 0.0) {
            return symbol;
        }
    }
    return Symbol{};
}

// Releases what createRow took: the tag's symbols, the objective level and the variables.
void Solver::undoCreateRow(const Constraint& constraint, const Tag& tag)
{
    for (Symbol symbol : {tag.marker, tag.other}) {
        if (symbol.isValid()) {
            m_tableau.releaseSymbol(symbol);
        }
    }
    if (!constraint.strength().isRequired()) {
        m_tableau.releaseLevel(constraint.strength().priority());
    }
    for (const Term& term : constraint.expression().terms()) {
        releaseVariable(term.variable);
    }
}

Symbol Solver::retainVariable(const Variable& variable)
{
    auto [slot, inserted] = m_variableIndex.try_emplace(variable.identity(), 0);
    if (!inserted) {
        VariableRecord& record = m_variables[slot->second];
        ++record.references;
        return record.symbol;
    }
    const Symbol symbol = m_tableau.newSymbol(SymbolKind::External);
    m_freshSymbols.push_back(symbol);
    slot->second = static_cast<std::uint32_t>(m_variables.size());
    m_variables.push_back(VariableRecord{variable, symbol, 1});
    return symbol;
}

void Solver::releaseVariable(const Variable& variable)
{
    auto slot = m_variableIndex.find(variable.identity());
    assert(slot != m_variableIndex.end());
    if (slot == m_variableIndex.end()) {
        return;
    }
    const std::uint32_t index = slot->second;
    if (--m_variables[index].references > 0) {
        return;
    }
    // No constraint mentions the variable any more, so no row does either.
    m_tableau.releaseSymbol(m_variables[index].symbol);
    m_variableIndex.erase(slot);
    if (index + 1 != m_variables.size()) {
        m_variables[index] = std::move(m_variables.back());
        m_variableIndex[m_variables[index].variable.identity()] = index;
    }
    m_variables.pop_back();
}

// Made by the current createRow, so it occurs in no row of the tableau yet.
bool Solver::isFresh(Symbol symbol) const
{
    return std::find(m_freshSymbols.begin(), m_freshSymbols.end(), symbol) != m_freshSymbols.end();
}

void Solver::optimize()
{
    if (!m_tableau.optimize() || !m_tableau.isFeasible()) {
        rebuild();
    }
}

} // namespace platform::layout
