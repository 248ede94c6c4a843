#pragma once
// The ISO 3166-1 alpha-2 region codes (the 249 officially assigned ones, upper case), embedded so
// that country checks do not change with the ICU version installed.

#include <span>
#include <string_view>

namespace tavro {

// All codes, in ascending order.
std::span<const std::string_view> isoRegionCodes();

// Exact, case-sensitive membership: "IN" is a region code, "in" and "IND" are not.
bool isISORegionCode(std::string_view code);

} // namespace tavro
