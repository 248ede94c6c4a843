#pragma once
// How a whole amount pasted into an amount row is read: only as its currency's locale writes
// amounts, so that a text in another format is refused instead of read as another value.

#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// The plain decimal text ("1234567.89") of `pasted` when it is an amount written in the format of
// `currencyCode`'s locale, its separators being the ones that locale's formatter writes. Accepted:
// at most one decimal separator, only digits after it; before it, either no grouping at all, or
// grouping at exactly the places the formatter puts it for that many digits ("12,34,567.89" in
// INR), or, where the decimal separator is ".", complete three-digit grouping with ","
// ("1,234,567.89" in INR too). Where the locale groups with a no-break space, an ordinary space
// counts as one. Blanks at both ends are ignored. Absent for any other text ("1234,567.89",
// "1.234,56" where the decimal separator is ".", a sign, letters).
std::optional<std::string> plainPastedAmount(std::string_view pasted, std::string_view currencyCode);

} // namespace tavro
