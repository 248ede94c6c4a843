#pragma once
// Grapheme cluster boundaries near a position of a UTF-16 text, for cutting a long text into parts
// without splitting a character. Internal to platform/graphics.
#include <cstddef>
#include <string>

namespace platform {

// The cluster boundary at or after `index` (forward) or at or before it (index <= text.size()); the
// index itself when there is no break data.
std::size_t clusterBoundary(const std::u16string& text, std::size_t index, bool forward);

} // namespace platform
