#pragma once
// Amount texts as the payload and the request checks accept them: ASCII digits with at most one
// "." and at least one digit ("5", "5.", ".5", "150.00"). No sign, exponent, blank, "inf", "nan"
// or hexadecimal, so no such text reaches a wallet.
//
// Money is cut and compared on the text itself: a double cannot hold "0.29" or
// "9007199254740993" exactly, and rounding it up could let a refund exceed what was paid.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// The value of a plain decimal text; nullopt for any other text, and for one too large for a
// double.
std::optional<double> readPlainDecimal(std::string_view text);

// `text` cut down, never rounded, to `fractionDigits` digits after the point and written with
// exactly that many, without leading zeros in the whole part: ("100.999", 2) -> "100.99",
// ("5", 2) -> "5.00", ("0.5", 0) -> "0", (".015", 2) -> "0.01". nullopt for text that is not plain
// decimal. Precondition: fractionDigits >= 0.
std::optional<std::string> truncatedPlainDecimal(std::string_view text, int fractionDigits);

// The digits of a plain decimal text that carry its value: leading zeros and trailing zeros of
// the fraction do not count ("0.0100" has 1, "100.00" has 3, "0.00" has 0).
std::size_t significantDigitCount(std::string_view plainDecimal);

// Compares two plain decimal texts by value, exactly: below zero when a < b, zero when equal
// ("1.50" and "01.5"), above zero when a > b.
int comparePlainDecimals(std::string_view a, std::string_view b);

} // namespace tavro
