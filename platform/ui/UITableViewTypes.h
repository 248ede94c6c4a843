#pragma once
// Value types of table views: the table's style, where a row lands when scrolled to, separators,
// and the "automatic" height marker.
namespace platform {

// Plain: section headers over the rows, white background. Grouped: sections set apart by spacing,
// on a grey background.
enum class UITableViewStyle { plain, grouped };

// Where scrollToRow / selectRow put the row: as little movement as needed (none), or its top,
// middle or bottom edge at the same place of the visible area.
enum class UITableViewScrollPosition { none, top, middle, bottom };

enum class UITableViewCellSeparatorStyle { none, singleLine };

// As a row or header height: measure it (rows: from the cell's constraints or sizeThatFits).
inline constexpr double UITableViewAutomaticDimension = -1;

} // namespace platform
