#pragma once
// The simplex tableau behind Solver: basic rows, a lexicographic objective with one row per
// optional priority level, and the pivoting algorithms (primal, dual and the artificial-variable
// phase). Internal to the solver; Solver decides what rows mean.
//
// Invariants between operations:
//  - every restricted basic symbol has a non-negative row constant (primal feasibility);
//  - objective rows and basic rows mention only non-basic symbols;
//  - a non-basic external symbol appears only in rows whose basic symbol is external, so it never
//    enters or leaves through a simplex pivot.

#include "platform/layout/Row.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::layout {

class Tableau {
public:
    // --- symbols -----------------------------------------------------------------------------------

    Symbol newSymbol(SymbolKind kind);

    // The symbol left the problem. Stray cells are swept lazily and its id is reused afterwards.
    // A symbol that is still basic loses its row.
    void releaseSymbol(Symbol symbol);

    // --- rows ----------------------------------------------------------------------------------------

    bool isBasic(Symbol symbol) const { return rowIndex(symbol) >= 0; }
    const Row* rowFor(Symbol basic) const;
    Row* rowFor(Symbol basic);
    std::size_t rowCount() const { return m_rows.size(); }

    // Precondition: basic is not basic yet and does not occur in any row or objective.
    void insertRow(Symbol basic, Row row);
    // Precondition: basic is basic.
    Row takeRow(Symbol basic);

    // Replaces symbol by row everywhere (rows and objectives), or only in the objectives when the
    // caller knows the symbol occurs in no row.
    enum class Scope { Everywhere, ObjectivesOnly };
    void substitute(Symbol symbol, const Row& row, Scope scope = Scope::Everywhere);

    // Makes entering basic in place of leaving. Precondition: entering occurs in leaving's row.
    void pivot(Symbol leaving, Symbol entering);

    // --- objective levels ----------------------------------------------------------------------------

    // One more optional constraint at this priority; creates the level on first use.
    void retainLevel(double priority);
    // One optional constraint fewer at this priority; the level goes when none is left.
    void releaseLevel(double priority);
    // Adds weight * symbol to the objective of this (retained) level, substituting if basic.
    void addToObjective(double priority, Symbol symbol, double weight);
    std::size_t levelCount() const { return m_levels.size(); }

    // --- algorithms ----------------------------------------------------------------------------------

    // Primal simplex on the lexicographic objective, highest level first. Needs primal feasibility.
    // Returns false only if rounding broke an invariant (no row limits an improving symbol).
    bool optimize();

    // Adds "0 = row" through an artificial variable. Returns whether the equation can hold; on
    // false nothing of row is left in the tableau (which stays equivalent to before) and the caller
    // should optimize() again.
    bool addWithArtificialVariable(const Row& row);

    // Removing a constraint whose marker is not basic: the row to pivot the marker into so the
    // rest stays feasible; an invalid symbol when the marker occurs in no row.
    Symbol markerLeavingRow(Symbol marker) const;

    // An edit constant moved by delta: updates every row that depends on it and records the rows
    // that became infeasible. Then call dualOptimize().
    void shiftEditConstant(Symbol plusError, Symbol minusError, double delta);

    // Dual simplex over the rows recorded as infeasible. Needs dual feasibility (an optimal
    // objective). Where rounding made a pivot choice doubtful, the primal simplex runs after it.
    // Returns false only if an invariant was broken.
    bool dualOptimize();

    // Whether every restricted basic symbol is non-negative, within rounding of its row's size.
    // Rounding can break this in badly scaled systems; the owner then rebuilds the tableau.
    bool isFeasible() const;

    // Whether some pivot divided by an element much smaller than the rest of its row, which
    // magnifies rounding (badly scaled coefficients): the owner should check the solution.
    bool hasLostPrecision() const { return m_precisionLost; }

    // --- inspection ----------------------------------------------------------------------------------

    // Every basic row ("basic = constant + coefficient * symbol ...") in row order, then each
    // level's objective, highest priority first; symbols written by `nameOf`.
    std::string dump(const std::function<std::string(Symbol)>& nameOf) const;

private:
    struct BasicRow {
        Symbol basic;
        Row row;
    };
    struct Level {
        double priority;
        Row objective;
        std::uint32_t users;
        Row definition; // weight * symbol per error term, unsubstituted: the objective afresh
    };

    std::int32_t rowIndex(Symbol symbol) const
    {
        return symbol.id < m_rowIndexById.size() ? m_rowIndexById[symbol.id] : -1;
    }
    Level* findLevel(double priority);
    bool minimize(Row& objective, std::size_t higherLevels);
    Symbol enteringSymbol(Row& objective, Level* own, std::size_t higherLevels);
    double freshCost(const Level& level, Symbol symbol) const;
    static void setCost(Level& level, Symbol symbol, double cost);
    Symbol leavingRowFor(Symbol entering) const;
    Symbol dualEnteringSymbol(const Row& row);
    void noteIfInfeasible(const BasicRow& entry);
    void sweepReleasedSymbols();

    std::vector<BasicRow> m_rows;
    std::vector<std::int32_t> m_rowIndexById; // index into m_rows, -1 when not basic
    std::vector<Level> m_levels;              // highest priority first
    std::optional<Row> m_artificial;          // only during addWithArtificialVariable
    std::vector<Symbol> m_infeasible;
    bool m_precisionLost = false;     // see hasLostPrecision
    bool m_suspectDualChoice = false; // a dual pivot was picked among costs equal within rounding

    std::uint32_t m_nextId = 1;
    std::vector<std::uint32_t> m_freeIds;
    std::vector<std::uint32_t> m_releasedIds; // released, not swept yet
    std::vector<std::uint8_t> m_releasedById; // 1 while released and not swept

    std::vector<double> m_bestRatios; // scratch for dualEnteringSymbol
    std::vector<double> m_ratios;
    std::vector<Row::Cell> m_freshCosts; // scratch for enteringSymbol
};

} // namespace platform::layout
