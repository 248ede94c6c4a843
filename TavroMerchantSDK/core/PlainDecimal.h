#pragma once
// Amount texts as the payload and the request checks accept them: ASCII digits with at most one
// "." and at least one digit ("5", "5.", ".5", "150.00"). No sign, exponent, blank, "inf", "nan"
// or hexadecimal, so no such text reaches a wallet.

#include <optional>
#include <string_view>

namespace tavro {

// The value of a plain decimal text; nullopt for any other text, and for one too large for a
// double.
std::optional<double> readPlainDecimal(std::string_view text);

} // namespace tavro
