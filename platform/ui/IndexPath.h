#pragma once
// IndexPath: the place of one row in a sectioned list (a table view).
#include <compare>
#include <string>

namespace platform {

struct IndexPath {
    int section = 0;
    int row = 0;

    // The row `row` of section `section` (the argument order of the toolkit's row/section initialiser).
    static constexpr IndexPath forRow(int row, int section) { return IndexPath{section, row}; }

    // Sections first, then rows: the order in which the rows appear.
    auto operator<=>(const IndexPath&) const = default;

    // "[section, row]", for log lines and test messages.
    std::string description() const { return "[" + std::to_string(section) + ", " + std::to_string(row) + "]"; }
};

} // namespace platform
