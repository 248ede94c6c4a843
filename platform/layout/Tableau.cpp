// Tableau storage: symbols, basic rows and objective levels.
#include "platform/layout/Tableau.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace platform::layout {

namespace {

// Dividing a row by a pivot element this much smaller than its largest coefficient magnifies the
// rounding in it enough that the solution is worth checking.
constexpr double lossyPivotRatio = 1.0e-1;

// Released ids are swept out of the rows in batches, so removing a constraint does not scan the
// whole tableau every time.
constexpr std::size_t sweepBatch = 256;

} // namespace

Symbol Tableau::newSymbol(SymbolKind kind)
{
    std::uint32_t id;
    if (!m_freeIds.empty()) {
        id = m_freeIds.back();
        m_freeIds.pop_back();
    } else {
        id = m_nextId++;
        m_rowIndexById.resize(m_nextId, -1);
        m_releasedById.resize(m_nextId, 0);
    }
    return Symbol{id, kind};
}

void Tableau::releaseSymbol(Symbol symbol)
{
    assert(symbol.isValid() && !m_releasedById[symbol.id]);
    if (isBasic(symbol)) {
        takeRow(symbol);
    }
    m_releasedById[symbol.id] = 1;
    m_releasedIds.push_back(symbol.id);
    if (m_releasedIds.size() >= sweepBatch) {
        sweepReleasedSymbols();
    }
}

void Tableau::sweepReleasedSymbols()
{
    // Released symbols are out of the problem; any cell still naming one is rounding residue.
    auto isReleased = [this](Symbol symbol) { return m_releasedById[symbol.id] != 0; };
    for (BasicRow& entry : m_rows) {
        entry.row.removeIf(isReleased);
    }
    for (Level& level : m_levels) {
        level.objective.removeIf(isReleased);
        level.definition.removeIf(isReleased);
    }
    for (std::uint32_t id : m_releasedIds) {
        m_releasedById[id] = 0;
        m_freeIds.push_back(id);
    }
    m_releasedIds.clear();
}

const Row* Tableau::rowFor(Symbol basic) const
{
    const std::int32_t index = rowIndex(basic);
    return index >= 0 ? &m_rows[static_cast<std::size_t>(index)].row : nullptr;
}

Row* Tableau::rowFor(Symbol basic)
{
    const std::int32_t index = rowIndex(basic);
    return index >= 0 ? &m_rows[static_cast<std::size_t>(index)].row : nullptr;
}

void Tableau::insertRow(Symbol basic, Row row)
{
    assert(basic.isValid() && !isBasic(basic));
    m_rowIndexById[basic.id] = static_cast<std::int32_t>(m_rows.size());
    m_rows.push_back(BasicRow{basic, std::move(row)});
}

Row Tableau::takeRow(Symbol basic)
{
    const std::int32_t index = rowIndex(basic);
    assert(index >= 0);
    const auto slot = static_cast<std::size_t>(index);
    Row row = std::move(m_rows[slot].row);
    if (slot + 1 != m_rows.size()) {
        m_rows[slot] = std::move(m_rows.back());
        m_rowIndexById[m_rows[slot].basic.id] = index;
    }
    m_rows.pop_back();
    m_rowIndexById[basic.id] = -1;
    return row;
}

void Tableau::noteIfInfeasible(const BasicRow& entry)
{
    if (entry.basic.isRestricted() && entry.row.constant() < 0.0) {
        m_infeasible.push_back(entry.basic);
    }
}

void Tableau::substitute(Symbol symbol, const Row& row, Scope scope)
{
    if (scope == Scope::Everywhere) {
        for (BasicRow& entry : m_rows) {
            if (entry.row.substitute(symbol, row)) {
                noteIfInfeasible(entry);
            }
        }
    }
    for (Level& level : m_levels) {
        level.objective.substitute(symbol, row);
    }
    if (m_artificial) {
        m_artificial->substitute(symbol, row);
    }
}

void Tableau::pivot(Symbol leaving, Symbol entering)
{
    Row row = takeRow(leaving);
    if (std::fabs(row.coefficientFor(entering)) < lossyPivotRatio * row.largestCoefficient()) {
        m_precisionLost = true;
    }
    row.solveFor(leaving, entering);
    substitute(entering, row);
    insertRow(entering, std::move(row));
}

Tableau::Level* Tableau::findLevel(double priority)
{
    for (Level& level : m_levels) {
        if (level.priority == priority) {
            return &level;
        }
    }
    return nullptr;
}

void Tableau::retainLevel(double priority)
{
    if (Level* level = findLevel(priority)) {
        ++level->users;
        return;
    }
    auto position = std::find_if(m_levels.begin(), m_levels.end(),
                                 [priority](const Level& level) { return level.priority < priority; });
    m_levels.insert(position, Level{priority, Row(), 1, Row()});
}

void Tableau::releaseLevel(double priority)
{
    Level* level = findLevel(priority);
    assert(level && level->users > 0);
    if (level && --level->users == 0) {
        m_levels.erase(m_levels.begin() + (level - m_levels.data()));
    }
}

void Tableau::addToObjective(double priority, Symbol symbol, double weight)
{
    Level* level = findLevel(priority);
    assert(level);
    if (!level) {
        return;
    }
    level->definition.insert(symbol, weight);
    if (const Row* row = rowFor(symbol)) {
        level->objective.insert(*row, weight);
    } else {
        level->objective.insert(symbol, weight);
    }
}

} // namespace platform::layout
