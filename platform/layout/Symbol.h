#pragma once
// A column of the solver's tableau. Internal to the solver.
//  - External: a user Variable; unrestricted in sign.
//  - Slack:    turns an inequality into an equation; never negative.
//  - Error:    how far an optional constraint is from holding; never negative, costs in the objective.
//  - Dummy:    marks a required equality; always zero, never enters the basis.

#include <cstdint>

namespace platform::layout {

enum class SymbolKind : std::uint8_t { External, Slack, Error, Dummy };

struct Symbol {
    std::uint32_t id = 0; // 0 is "no symbol"; ids are small and dense, so they index arrays
    SymbolKind kind = SymbolKind::External;

    bool isValid() const { return id != 0; }
    bool isExternal() const { return kind == SymbolKind::External; }
    bool isDummy() const { return kind == SymbolKind::Dummy; }
    // Slack and error symbols may enter the basis to fix a row.
    bool isPivotable() const { return kind == SymbolKind::Slack || kind == SymbolKind::Error; }
    // Restricted symbols must stay non-negative while basic.
    bool isRestricted() const { return kind != SymbolKind::External; }

    friend bool operator==(Symbol a, Symbol b) { return a.id == b.id; }
};

} // namespace platform::layout
