// Tableau algorithms: primal simplex on the lexicographic objective, the artificial-variable
// phase for rows without an obvious basic symbol, marker pivots for removal and the dual simplex
// that re-solves after edit constants move.
//
// Ties are broken by the lowest symbol id (Bland's rule), so degenerate pivots cannot cycle.
#include "platform/layout/Tableau.h"

#include <cmath>
#include <limits>

namespace platform::layout {

namespace {

// An objective coefficient of a higher level counts as zero when it is this small next to the
// improvement on offer: such values are rounding residue of substituting large rows, and letting
// them block would leave the lower level unoptimised.
constexpr double relativeObjectiveTolerance = 1.0e-6;

// A higher level's cost this small next to the improvement it blocks may be rounding that is out of
// reach of the tolerance above; the objectives are then summed afresh and checked again.
constexpr double suspiciousCostRatio = 1.0e-3;

// A restricted row's constant may dip this far below zero, relative to the row's size, from
// rounding alone.
constexpr double relativeFeasibilityTolerance = 1.0e-6;

} // namespace

bool Tableau::optimize()
{
    m_suspectBlocked = false;
    bool ok = minimizeLevels();
    if (ok && m_suspectBlocked) {
        // The objectives piled up rounding from many substitutions, and a cost that may be only
        // that kept a lower level from improving: sum them afresh from the basic rows and retry.
        refreshObjectives();
        m_suspectBlocked = false;
        ok = minimizeLevels();
    }
    // Primal pivots keep every row feasible; anything recorded meanwhile is rounding noise.
    m_infeasible.clear();
    return ok;
}

bool Tableau::minimizeLevels()
{
    bool ok = true;
    for (std::size_t index = 0; index < m_levels.size() && ok; ++index) {
        ok = minimize(m_levels[index].objective, index);
    }
    return ok;
}

// Minimizes one objective row without worsening the first higherLevels levels: at their optimum
// all their coefficients are non-negative, so a symbol may enter only where they are all zero.
bool Tableau::minimize(Row& objective, std::size_t higherLevels)
{
    for (;;) {
        const Symbol entering = enteringSymbol(objective, higherLevels);
        if (!entering.isValid()) {
            return true;
        }
        const Symbol leaving = leavingRowFor(entering);
        if (!leaving.isValid()) {
            // Error terms are never negative, so no objective is unbounded: the entering
            // coefficient is rounding residue and the tableau has to be rebuilt.
            return false;
        }
        pivot(leaving, entering);
    }
}

Symbol Tableau::enteringSymbol(const Row& objective, std::size_t higherLevels)
{
    for (const Row::Cell& cell : objective.cells()) {
        if (cell.coefficient >= 0.0 || !cell.symbol.isPivotable()) {
            continue;
        }
        const double residue = relativeObjectiveTolerance * std::fmax(1.0, -cell.coefficient);
        double worstCost = 0.0;
        for (std::size_t index = 0; index < higherLevels && worstCost <= residue; ++index) {
            worstCost = std::fmax(worstCost, m_levels[index].objective.coefficientFor(cell.symbol));
        }
        if (worstCost <= residue) {
            return cell.symbol;
        }
        if (worstCost < suspiciousCostRatio * -cell.coefficient) {
            m_suspectBlocked = true;
        }
    }
    return Symbol{};
}

// The restricted row that first reaches zero as entering grows (minimum ratio test).
Symbol Tableau::leavingRowFor(Symbol entering) const
{
    double bestRatio = std::numeric_limits<double>::infinity();
    Symbol best;
    for (const BasicRow& entry : m_rows) {
        if (entry.basic.isExternal()) {
            continue;
        }
        const double coefficient = entry.row.coefficientFor(entering);
        if (coefficient >= 0.0) {
            continue;
        }
        const double ratio = -entry.row.constant() / coefficient;
        if (ratio < bestRatio || (ratio == bestRatio && entry.basic.id < best.id)) {
            bestRatio = ratio;
            best = entry.basic;
        }
    }
    return best;
}

bool Tableau::addWithArtificialVariable(const Row& row)
{
    // Phase one: a fresh basic variable stands for the row; minimizing it to zero proves the
    // equation can hold.
    const Symbol artificial = newSymbol(SymbolKind::Slack);
    insertRow(artificial, row);
    m_artificial = row;
    const bool optimized = minimize(*m_artificial, 0);
    const bool success = optimized && nearZero(m_artificial->constant());
    m_artificial.reset();

    if (!success) {
        // The artificial variable is still basic, and this row's own symbols occur only in its row
        // (they could only have entered by making it leave), so dropping that row removes the
        // equation. The other pivots were ordinary ones: the tableau is equivalent to before.
        if (isBasic(artificial)) {
            takeRow(artificial);
        }
        releaseSymbol(artificial);
        return false;
    }

    if (isBasic(artificial)) {
        Row artificialRow = takeRow(artificial);
        if (!artificialRow.isConstant()) {
            // Its value is zero: any symbol of the row can take its place. Prefer restricted ones.
            Symbol entering;
            for (const Row::Cell& cell : artificialRow.cells()) {
                if (cell.symbol.isPivotable()) {
                    entering = cell.symbol;
                    break;
                }
            }
            if (!entering.isValid()) {
                entering = artificialRow.cells().front().symbol;
            }
            artificialRow.solveFor(artificial, entering);
            substitute(entering, artificialRow);
            insertRow(entering, std::move(artificialRow));
        }
    }
    // Non-basic now, and zero: drop it from every row.
    for (BasicRow& entry : m_rows) {
        entry.row.remove(artificial);
    }
    for (Level& level : m_levels) {
        level.objective.remove(artificial);
    }
    releaseSymbol(artificial);
    return true;
}

Symbol Tableau::markerLeavingRow(Symbol marker) const
{
    // Prefer the row of a redundant required equality's dummy: its constant is zero, and pivoting
    // there hands the removed equation's role to the redundant one, which then still holds. Any
    // other row would leave that dummy basic in a row that no longer forces it to zero.
    // Then a restricted row that stays feasible as the marker grows, then one that stays feasible
    // as it shrinks, then any external row.
    const double infinity = std::numeric_limits<double>::infinity();
    double growRatio = infinity;
    double shrinkRatio = infinity;
    Symbol grow, shrink, external;
    for (const BasicRow& entry : m_rows) {
        const double coefficient = entry.row.coefficientFor(marker);
        if (coefficient == 0.0) {
            continue;
        }
        if (entry.basic.isDummy()) {
            return entry.basic;
        }
        if (entry.basic.isExternal()) {
            if (!external.isValid()) {
                external = entry.basic;
            }
        } else if (coefficient < 0.0) {
            const double ratio = -entry.row.constant() / coefficient;
            if (ratio < growRatio) {
                growRatio = ratio;
                grow = entry.basic;
            }
        } else {
            const double ratio = entry.row.constant() / coefficient;
            if (ratio < shrinkRatio) {
                shrinkRatio = ratio;
                shrink = entry.basic;
            }
        }
    }
    if (grow.isValid()) {
        return grow;
    }
    return shrink.isValid() ? shrink : external;
}

void Tableau::shiftEditConstant(Symbol plusError, Symbol minusError, double delta)
{
    // The edit row reads "variable - constant = plusError - minusError", so the constant's column
    // equals the plus error's column scaled by the constant.
    if (isBasic(plusError)) {
        BasicRow& entry = m_rows[static_cast<std::size_t>(rowIndex(plusError))];
        entry.row.add(-delta);
        noteIfInfeasible(entry);
    } else if (isBasic(minusError)) {
        BasicRow& entry = m_rows[static_cast<std::size_t>(rowIndex(minusError))];
        entry.row.add(delta);
        noteIfInfeasible(entry);
    } else {
        for (BasicRow& entry : m_rows) {
            const double coefficient = entry.row.coefficientFor(plusError);
            if (coefficient != 0.0) {
                entry.row.add(delta * coefficient);
                noteIfInfeasible(entry);
            }
        }
    }
}

bool Tableau::dualOptimize()
{
    while (!m_infeasible.empty()) {
        const Symbol leaving = m_infeasible.back();
        m_infeasible.pop_back();
        const Row* row = rowFor(leaving);
        if (!row || row->constant() >= 0.0 || nearZero(row->constant())) {
            continue;
        }
        const Symbol entering = dualEnteringSymbol(*row);
        if (!entering.isValid()) {
            m_infeasible.clear();
            return false;
        }
        pivot(leaving, entering);
    }
    return true;
}

bool Tableau::isFeasible() const
{
    for (const BasicRow& entry : m_rows) {
        if (!entry.basic.isRestricted() || entry.row.constant() >= 0.0) {
            continue;
        }
        double scale = 1.0;
        for (const Row::Cell& cell : entry.row.cells()) {
            scale = std::fmax(scale, std::fabs(cell.coefficient));
        }
        if (entry.row.constant() < -relativeFeasibilityTolerance * scale) {
            return false;
        }
    }
    return true;
}

// Among the symbols that can raise the row, the one whose cost per unit is lexicographically
// smallest, so every level stays optimal.
Symbol Tableau::dualEnteringSymbol(const Row& row)
{
    Symbol best;
    for (const Row::Cell& cell : row.cells()) {
        if (cell.coefficient <= 0.0 || cell.symbol.isDummy()) {
            continue;
        }
        m_ratios.clear();
        for (const Level& level : m_levels) {
            m_ratios.push_back(level.objective.coefficientFor(cell.symbol) / cell.coefficient);
        }
        bool better = !best.isValid();
        if (!better) {
            bool decided = false;
            for (std::size_t index = 0; index < m_ratios.size() && !decided; ++index) {
                const double difference = m_ratios[index] - m_bestRatios[index];
                if (!nearZero(difference)) {
                    better = difference < 0.0;
                    decided = true;
                }
            }
            if (!decided) {
                better = cell.symbol.id < best.id;
            }
        }
        if (better) {
            best = cell.symbol;
            m_bestRatios.swap(m_ratios);
        }
    }
    return best;
}

} // namespace platform::layout
