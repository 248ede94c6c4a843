#pragma once
// Placeholder filling for localised templates ("Pay [currency] [amount]").

#include <string>
#include <string_view>

namespace tavro {

// `text` with every occurrence of `target` replaced by `replacement`, scanning left to right
// without re-reading inserted text. An empty `target` leaves the text unchanged.
std::string replacingOccurrences(std::string_view text, std::string_view target, std::string_view replacement);

} // namespace tavro
