// The solver's tableau as text, for test failures and the debug log:
//   rows:
//     width = 100 + 1 * s3 - 1 * e4
//   objective 750: 2 * e4
//   variables: width = 100, height = 20
//   3 constraints, 1 edit variable, 2 stays
// External symbols carry their variable's name ("v<id>" when it has none); slack, error and dummy
// symbols are written s<id>, e<id> and d<id>.
#include "platform/layout/Solver.h"

#include "platform/foundation/ClassicNumbers.h"

#include <sstream>

namespace platform::layout {

namespace {

void writeRow(std::ostream& out, const Row& row, const std::function<std::string(Symbol)>& nameOf)
{
    out << classicNumber(row.constant());
    for (const Row::Cell& cell : row.cells()) {
        out << (cell.coefficient < 0 ? " - " : " + ") << classicNumber(std::fabs(cell.coefficient)) << " * "
            << nameOf(cell.symbol);
    }
}

} // namespace

std::string Tableau::dump(const std::function<std::string(Symbol)>& nameOf) const
{
    std::ostringstream out = classicStream();
    out << "rows:\n";
    for (const BasicRow& entry : m_rows) {
        out << "  " << nameOf(entry.basic) << " = ";
        writeRow(out, entry.row, nameOf);
        out << '\n';
    }
    for (const Level& level : m_levels) {
        out << "objective " << classicNumber(level.priority) << ": ";
        writeRow(out, level.objective, nameOf);
        out << '\n';
    }
    return out.str();
}

std::string Solver::dump() const
{
    const auto nameOf = [this](Symbol symbol) -> std::string {
        switch (symbol.kind) {
        case SymbolKind::External:
            for (const VariableRecord& record : m_variables) {
                if (record.symbol == symbol && record.references > 0 && !record.variable.name().empty())
                    return record.variable.name();
            }
            return "v" + std::to_string(symbol.id);
        case SymbolKind::Slack: return "s" + std::to_string(symbol.id);
        case SymbolKind::Error: return "e" + std::to_string(symbol.id);
        case SymbolKind::Dummy: return "d" + std::to_string(symbol.id);
        }
        return "?" + std::to_string(symbol.id);
    };
    std::ostringstream out = classicStream();
    out << m_tableau.dump(nameOf);
    out << "variables:";
    const char* separator = " ";
    for (const VariableRecord& record : m_variables) {
        if (record.references == 0)
            continue;
        out << separator << nameOf(record.symbol) << " = " << classicNumber(record.variable.value());
        separator = ", ";
    }
    out << '\n'
        << constraintCount() << " constraint(s), " << m_edits.size() << " edit variable(s), " << m_stays.size()
        << " stay(s)\n";
    return out.str();
}

} // namespace platform::layout
