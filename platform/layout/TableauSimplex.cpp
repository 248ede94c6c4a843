// Tableau algorithms: primal simplex on the lexicographic objective, the artificial-variable
// phase for rows without an obvious basic symbol, marker pivots for removal and the dual simplex
// that re-solves after edit constants move.
//
// Ties are broken by the lowest symbol id (Bland's rule), so degenerate pivots cannot cycle,
// unless one pivot element dwarfs the other: dividing by the smaller one would magnify rounding.
//
// Badly scaled coefficients (spread over several orders of magnitude) leave rounding residue of
// true zeros in rows and objectives, next to genuinely tiny values. The tolerances below tell them
// apart mostly by comparing a value with the magnitudes around it rather than with a fixed size.
#include "platform/layout/Tableau.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::layout {

namespace {

// A higher level's cost this small next to the improvement it would block (for improvements below
// one: this small outright) is not worth keeping a lower level from improving: the higher level
// gives way for trades beyond a billion to one.
constexpr double negligibleTradeRatio = 1.0e-9;

// A higher level's cost this small next to the improvement it would block may be rounding; it is
// summed afresh before it blocks.
constexpr double suspiciousCostRatio = 1.0e-3;

// An objective coefficient this small next to the largest one of its objective may be rounding
// left of a zero; it is summed afresh before it may pick a pivot.
constexpr double suspiciousGainRatio = 1.0e-6;

// Objective coefficients of this size and above are never taken for rounding; below it they are
// compared with the rest of their objective. (Weights are one, so this is rare in layouts.)
constexpr double smallGain = 1.0e-3;

// A cost summed afresh counts as zero when it is this small next to the terms it is summed from.
constexpr double relativeCancellationTolerance = 1.0e-11;

// A restricted row's constant may dip this far below zero, relative to the row's size, from
// rounding alone.
constexpr double relativeFeasibilityTolerance = 1.0e-6;

// A pivot element this small next to its row's largest coefficient makes the ratio test look for a
// steadier row within rounding of the minimum ratio.
constexpr double smallPivotRatio = 1.0e-3;

// How far below zero, relative to its constant, the ratio test lets a row end up in exchange for a
// steadier pivot.
constexpr double ratioTestTolerance = 1.0e-9;

// A pivot element this small next to the largest coefficient of its row is most likely rounding
// of a zero: the dual simplex passes it over, and the primal one does not pivot on it for a gain
// that is itself suspicious.
constexpr double relativePivotTolerance = 1.0e-9;

// One pivot element dwarfs another when it is this many times larger.
constexpr double dominatingPivotRatio = 1.0e3;

bool isUsablePivot(double coefficient, const Row& row)
{
    return std::fabs(coefficient) >= relativePivotTolerance * row.largestCoefficient();
}

bool dwarfs(double coefficient, double other)
{
    return std::fabs(coefficient) > dominatingPivotRatio * std::fabs(other);
}

// Between two equally good pivots: the lower symbol id, unless one pivot element dwarfs the other.
bool prefersOnTie(double coefficient, Symbol symbol, double bestCoefficient, Symbol best)
{
    if (dwarfs(coefficient, bestCoefficient)) {
        return true;
    }
    if (dwarfs(bestCoefficient, coefficient)) {
        return false;
    }
    return symbol.id < best.id;
}

} // namespace

bool Tableau::optimize()
{
    bool ok = true;
    for (std::size_t index = 0; index < m_levels.size() && ok; ++index) {
        ok = minimize(m_levels[index].objective, index);
    }
    // Primal pivots keep every row feasible; anything recorded meanwhile is rounding noise.
    m_infeasible.clear();
    return ok;
}

// Minimizes one objective row without worsening the first higherLevels levels: at their optimum
// all their coefficients are non-negative, so a symbol may enter only where they are all zero.
// The objective is level higherLevels's own, or the artificial one (which has no definition).
bool Tableau::minimize(Row& objective, std::size_t higherLevels)
{
    Level* own = higherLevels < m_levels.size() && &m_levels[higherLevels].objective == &objective
                     ? &m_levels[higherLevels]
                     : nullptr;
    for (;;) {
        const Symbol entering = enteringSymbol(objective, own, higherLevels);
        if (!entering.isValid()) {
            return true;
        }
        const Symbol leaving = leavingRowFor(entering);
        if (!leaving.isValid()) {
            // Error terms are never negative, so no objective is unbounded: the entering
            // coefficient is rounding residue. A small one is dropped; a large one means the
            // tableau has to be rebuilt.
            const double cost = own ? freshCost(*own, entering) : objective.coefficientFor(entering);
            if (-cost <= suspiciousGainRatio * objective.largestCoefficient()) {
                objective.remove(entering);
                continue;
            }
            return false;
        }
        const Row& leavingRow = *rowFor(leaving);
        if (!isUsablePivot(leavingRow.coefficientFor(entering), leavingRow) &&
            -objective.coefficientFor(entering) <= suspiciousGainRatio * objective.largestCoefficient()) {
            // A barely-there gain through a barely-there pivot: both are most likely rounding of
            // zeros, and the pivot would blow the rows up for nothing.
            objective.remove(entering);
            continue;
        }
        pivot(leaving, entering);
    }
}

// The first symbol (by id) whose cost in the objective is negative and that no higher level
// blocks: a higher level blocks with a positive cost unless that cost is negligible next to the
// gain, or sums afresh to zero. Suspiciously small costs of the own level are summed afresh first.
Symbol Tableau::enteringSymbol(Row& objective, Level* own, std::size_t higherLevels)
{
    Symbol entering;
    double suspectGain = -1.0; // computed on first use
    m_freshCosts.clear();
    for (const Row::Cell& cell : objective.cells()) {
        if (cell.coefficient >= 0.0 || !cell.symbol.isPivotable()) {
            continue;
        }
        double gain = -cell.coefficient;
        if (own && gain < smallGain) {
            if (suspectGain < 0.0) {
                suspectGain = suspiciousGainRatio * objective.largestCoefficient();
            }
            if (gain <= suspectGain) {
                const double cost = freshCost(*own, cell.symbol);
                m_freshCosts.push_back(Row::Cell{cell.symbol, cost}); // written back after the scan
                if (cost >= 0.0) {
                    continue;
                }
                gain = -cost;
            }
        }
        const double negligibleCost = negligibleTradeRatio * std::max(1.0, gain);
        const double suspiciousCost = suspiciousCostRatio * gain;
        bool blocked = false;
        for (std::size_t index = 0; index < higherLevels && !blocked; ++index) {
            Level& level = m_levels[index];
            double cost = level.objective.coefficientFor(cell.symbol);
            if (cost > negligibleCost && cost < suspiciousCost) {
                cost = freshCost(level, cell.symbol);
                setCost(level, cell.symbol, cost);
            }
            blocked = cost > negligibleCost;
        }
        if (!blocked) {
            entering = cell.symbol;
            break;
        }
    }
    for (const Row::Cell& fresh : m_freshCosts) {
        setCost(*own, fresh.symbol, fresh.coefficient);
    }
    return entering;
}

// Objectives are kept up to date by substitution, and after many pivots a cost can drift from
// what its level's definition gives now. This sums the cost of a non-basic symbol afresh from the
// definition and the basic rows; zero if it is only rounding.
double Tableau::freshCost(const Level& level, Symbol symbol) const
{
    double sum = 0.0;
    double magnitude = 0.0;
    for (const Row::Cell& cell : level.definition.cells()) {
        double term;
        if (cell.symbol == symbol) {
            term = cell.coefficient;
        } else if (const Row* row = rowFor(cell.symbol)) {
            term = cell.coefficient * row->coefficientFor(symbol);
        } else {
            continue;
        }
        sum += term;
        magnitude += std::fabs(term);
    }
    return std::fabs(sum) <= relativeCancellationTolerance * magnitude ? 0.0 : sum;
}

void Tableau::setCost(Level& level, Symbol symbol, double cost)
{
    level.objective.remove(symbol);
    level.objective.insert(symbol, cost);
}

// The restricted row that first reaches zero as entering grows (minimum ratio test, ties by
// lowest id). When that row's pivot element is small, a row with a much larger one whose ratio is
// within rounding of the minimum takes its place: the other rows then dip below zero by no more
// than rounding, and the rows stay well scaled.
Symbol Tableau::leavingRowFor(Symbol entering) const
{
    double bestRatio = std::numeric_limits<double>::infinity();
    double bestCoefficient = 0.0;
    Symbol best;
    double bound = std::numeric_limits<double>::infinity(); // largest step that keeps every row within rounding of zero
    for (const BasicRow& entry : m_rows) {
        if (entry.basic.isExternal()) {
            continue;
        }
        const double coefficient = entry.row.coefficientFor(entering);
        if (coefficient >= 0.0) {
            continue;
        }
        const double constant = entry.row.constant();
        const double ratio = -constant / coefficient;
        if (ratio < bestRatio || (ratio == bestRatio && entry.basic.id < best.id)) {
            bestRatio = ratio;
            bestCoefficient = coefficient;
            best = entry.basic;
        }
        bound = std::min(bound, -(constant + ratioTestTolerance * std::max(1.0, std::fabs(constant))) / coefficient);
    }
    if (!best.isValid() || -bestCoefficient >= smallPivotRatio * rowFor(best)->largestCoefficient()) {
        return best;
    }
    Symbol steadier = best;
    double steadierCoefficient = bestCoefficient;
    for (const BasicRow& entry : m_rows) {
        if (entry.basic.isExternal()) {
            continue;
        }
        const double coefficient = entry.row.coefficientFor(entering);
        if (coefficient < dominatingPivotRatio * steadierCoefficient && -entry.row.constant() / coefficient <= bound) {
            steadier = entry.basic;
            steadierCoefficient = coefficient;
        }
    }
    return steadier;
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
            // The first one, unless a later one's coefficient dwarfs it.
            const auto firstUnlessDwarfed = [&](bool pivotableOnly) {
                Symbol chosen;
                double chosenCoefficient = 0.0;
                for (const Row::Cell& cell : artificialRow.cells()) {
                    if ((!pivotableOnly || cell.symbol.isPivotable()) &&
                        (!chosen.isValid() || dwarfs(cell.coefficient, chosenCoefficient))) {
                        chosen = cell.symbol;
                        chosenCoefficient = cell.coefficient;
                    }
                }
                return chosen;
            };
            Symbol entering = firstUnlessDwarfed(true);
            if (!entering.isValid()) {
                entering = firstUnlessDwarfed(false);
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
    // Among equal choices the first, unless a later pivot element dwarfs it.
    const double infinity = std::numeric_limits<double>::infinity();
    double growRatio = infinity;
    double shrinkRatio = infinity;
    double growCoefficient = 0.0;
    double shrinkCoefficient = 0.0;
    double externalCoefficient = 0.0;
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
            if (!external.isValid() || dwarfs(coefficient, externalCoefficient)) {
                external = entry.basic;
                externalCoefficient = coefficient;
            }
        } else if (coefficient < 0.0) {
            const double ratio = -entry.row.constant() / coefficient;
            if (ratio < growRatio || (ratio == growRatio && dwarfs(coefficient, growCoefficient))) {
                growRatio = ratio;
                growCoefficient = coefficient;
                grow = entry.basic;
            }
        } else {
            const double ratio = entry.row.constant() / coefficient;
            if (ratio < shrinkRatio || (ratio == shrinkRatio && dwarfs(coefficient, shrinkCoefficient))) {
                shrinkRatio = ratio;
                shrinkCoefficient = coefficient;
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
    m_suspectDualChoice = false;
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
    // A pivot chosen among costs equal within rounding, or past a pivot element too small to use,
    // may have left a level short of its optimum; the primal simplex makes up for it.
    return m_suspectDualChoice ? optimize() : true;
}

bool Tableau::isFeasible() const
{
    for (const BasicRow& entry : m_rows) {
        if (!entry.basic.isRestricted() || entry.row.constant() >= 0.0) {
            continue;
        }
        const double scale = std::max(1.0, entry.row.largestCoefficient());
        if (entry.row.constant() < -relativeFeasibilityTolerance * scale) {
            return false;
        }
    }
    return true;
}

// Among the symbols that can raise the row, the one whose cost per unit is lexicographically
// smallest, so every level stays optimal; ties by lowest id unless one pivot element dwarfs the
// other.
Symbol Tableau::dualEnteringSymbol(const Row& row)
{
    Symbol best;
    double bestCoefficient = 0.0;
    const double smallestPivot = relativePivotTolerance * row.largestCoefficient();
    for (const Row::Cell& cell : row.cells()) {
        if (cell.coefficient <= 0.0 || cell.symbol.isDummy()) {
            continue;
        }
        if (cell.coefficient <= smallestPivot) {
            m_suspectDualChoice = true; // passed over, most likely rounding of a zero
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
                } else if (difference != 0.0) {
                    m_suspectDualChoice = true; // equal only within rounding
                }
            }
            if (!decided) {
                better = prefersOnTie(cell.coefficient, cell.symbol, bestCoefficient, best);
            }
        }
        if (better) {
            best = cell.symbol;
            bestCoefficient = cell.coefficient;
            m_bestRatios.swap(m_ratios);
        }
    }
    return best;
}

} // namespace platform::layout
