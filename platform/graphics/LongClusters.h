#pragma once
// Very long grapheme clusters. A base letter may carry any number of combining marks, and Pango
// shapes and positions a cluster as one unit, at a cost that grows faster than its length: one
// cluster of 500,000 marks never finishes. No script needs more than a few marks on a letter, so a
// cluster of more than kLongestCluster code points is laid out (measured and drawn alike) with its
// first kLongestCluster only. Internal to platform/graphics.
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::size_t kLongestCluster = 32;

// Drops from the UTF-8 `text` every code point after the first kLongestCluster of a cluster. Each of
// `offsets` (byte offsets into the text, ascending) moves back by the bytes dropped before it; one
// inside a dropped part moves to where that part was.
void shortenLongClusters(std::string& text, std::vector<std::size_t>& offsets);

} // namespace platform
