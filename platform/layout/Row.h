#pragma once
// One row of the tableau: constant + sum of coefficient * symbol, with the cells kept sorted by
// symbol id in a flat vector (fast merges, binary-search lookups, no per-cell allocation).
// Coefficients that cancel to rounding residue (see cancelsOut) are dropped as they arise.

#include "platform/layout/Symbol.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform::layout {

inline constexpr double nearZeroThreshold = 1.0e-8;

inline bool nearZero(double value)
{
    return std::fabs(value) < nearZeroThreshold;
}

// Row coefficients below this are dropped as rounding residue. Far below nearZeroThreshold: with
// coefficients spread over several orders of magnitude, products of a few of them are genuinely
// that small, and dropping them would break the equations they belong to.
inline constexpr double residueThreshold = 1.0e-12;

inline bool isResidue(double coefficient)
{
    return std::fabs(coefficient) < residueThreshold;
}

// Whether sum = a + b is only rounding left over from cancelling a against b: near zero relative
// to the larger operand (and absolutely, for operands below one). Coefficients in the thousands
// leave residues far above any fixed threshold.
inline bool cancelsOut(double sum, double a, double b)
{
    return std::fabs(sum) < residueThreshold * std::max(1.0, std::max(std::fabs(a), std::fabs(b)));
}

class Row {
public:
    struct Cell {
        Symbol symbol;
        double coefficient;
    };

    Row() = default;
    explicit Row(double constant) : m_constant(constant) {}

    double constant() const { return m_constant; }
    const std::vector<Cell>& cells() const { return m_cells; }
    bool isConstant() const { return m_cells.empty(); }

    // Adds value to the constant and returns the new constant.
    double add(double value) { return m_constant += value; }

    // Adds coefficient * symbol; a resulting coefficient near zero removes the cell.
    void insert(Symbol symbol, double coefficient);

    // Adds coefficient * other (cells and constant).
    void insert(const Row& other, double coefficient);

    void remove(Symbol symbol);

    // 0 if the symbol is not in the row.
    double coefficientFor(Symbol symbol) const;
    // The largest magnitude among the coefficients (0 for a constant row): the scale that pivot
    // and rounding tolerances are measured against.
    double largestCoefficient() const;

    void reverseSign();

    // Reads the row as "0 = row" and rewrites it as "symbol = row'", removing symbol.
    // Precondition: symbol is in the row.
    void solveFor(Symbol symbol);

    // Reads the row as "lhs = row" and rewrites it as "rhs = row'".
    // Precondition: rhs is in the row; lhs is not.
    void solveFor(Symbol lhs, Symbol rhs);

    // Replaces symbol by the expression row. Returns whether the symbol was present.
    bool substitute(Symbol symbol, const Row& row);

    // Removes every cell whose symbol satisfies the predicate.
    template <typename Predicate>
    void removeIf(Predicate isDead)
    {
        std::erase_if(m_cells, [&](const Cell& cell) { return isDead(cell.symbol); });
    }

private:
    std::vector<Cell>::iterator find(Symbol symbol);
    std::vector<Cell>::const_iterator find(Symbol symbol) const;

    std::vector<Cell> m_cells;
    double m_constant = 0.0;
};

} // namespace platform::layout
