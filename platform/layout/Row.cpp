#include "platform/layout/Row.h"

#include <algorithm>
#include <cassert>

namespace platform::layout {

namespace {

bool byId(const Row::Cell& cell, Symbol symbol)
{
    return cell.symbol.id < symbol.id;
}

} // namespace

std::vector<Row::Cell>::iterator Row::find(Symbol symbol)
{
    auto it = std::lower_bound(m_cells.begin(), m_cells.end(), symbol, byId);
    return (it != m_cells.end() && it->symbol.id == symbol.id) ? it : m_cells.end();
}

std::vector<Row::Cell>::const_iterator Row::find(Symbol symbol) const
{
    auto it = std::lower_bound(m_cells.begin(), m_cells.end(), symbol, byId);
    return (it != m_cells.end() && it->symbol.id == symbol.id) ? it : m_cells.end();
}

void Row::insert(Symbol symbol, double coefficient)
{
    auto it = std::lower_bound(m_cells.begin(), m_cells.end(), symbol, byId);
    if (it != m_cells.end() && it->symbol.id == symbol.id) {
        const double sum = it->coefficient + coefficient;
        if (cancelsOut(sum, it->coefficient, coefficient)) {
            m_cells.erase(it);
        } else {
            it->coefficient = sum;
        }
    } else if (!isResidue(coefficient)) {
        m_cells.insert(it, Cell{symbol, coefficient});
    }
}

void Row::insert(const Row& other, double coefficient)
{
    m_constant += other.m_constant * coefficient;
    if (other.m_cells.empty()) {
        return;
    }
    if (other.m_cells.size() * 4 < m_cells.size()) {
        // A few cells into a long row: update in place rather than rewrite the whole row.
        for (const Cell& cell : other.m_cells) {
            insert(cell.symbol, cell.coefficient * coefficient);
        }
        return;
    }
    // Merge into a scratch buffer, then swap buffers: once capacities settle, merging allocates nothing.
    thread_local std::vector<Cell> merged;
    merged.clear();
    merged.reserve(m_cells.size() + other.m_cells.size());
    auto mine = m_cells.begin();
    auto theirs = other.m_cells.begin();
    while (mine != m_cells.end() || theirs != other.m_cells.end()) {
        if (theirs == other.m_cells.end() || (mine != m_cells.end() && mine->symbol.id < theirs->symbol.id)) {
            merged.push_back(*mine++);
        } else if (mine == m_cells.end() || theirs->symbol.id < mine->symbol.id) {
            const double value = theirs->coefficient * coefficient;
            if (!isResidue(value)) {
                merged.push_back(Cell{theirs->symbol, value});
            }
            ++theirs;
        } else {
            const double scaled = theirs->coefficient * coefficient;
            const double value = mine->coefficient + scaled;
            if (!cancelsOut(value, mine->coefficient, scaled)) {
                merged.push_back(Cell{mine->symbol, value});
            }
            ++mine;
            ++theirs;
        }
    }
    m_cells.swap(merged);
}

void Row::remove(Symbol symbol)
{
    auto it = find(symbol);
    if (it != m_cells.end()) {
        m_cells.erase(it);
    }
}

double Row::coefficientFor(Symbol symbol) const
{
    auto it = find(symbol);
    return it != m_cells.end() ? it->coefficient : 0.0;
}

double Row::largestCoefficient() const
{
    double largest = 0.0;
    for (const Cell& cell : m_cells) {
        largest = std::max(largest, std::fabs(cell.coefficient));
    }
    return largest;
}

void Row::reverseSign()
{
    m_constant = -m_constant;
    for (Cell& cell : m_cells) {
        cell.coefficient = -cell.coefficient;
    }
}

void Row::solveFor(Symbol symbol)
{
    auto it = find(symbol);
    assert(it != m_cells.end());
    const double scale = -1.0 / it->coefficient;
    m_cells.erase(it);
    m_constant *= scale;
    for (Cell& cell : m_cells) {
        cell.coefficient *= scale;
    }
}

void Row::solveFor(Symbol lhs, Symbol rhs)
{
    insert(lhs, -1.0);
    solveFor(rhs);
}

bool Row::substitute(Symbol symbol, const Row& row)
{
    auto it = find(symbol);
    if (it == m_cells.end()) {
        return false;
    }
    const double coefficient = it->coefficient;
    m_cells.erase(it);
    insert(row, coefficient);
    return true;
}

} // namespace platform::layout
