#pragma once
// The value of an optional field the payer enters: a switch row switched on and left empty
// reports it, a request stores it, and the payload then asks the customer's app for the field.

#include <string_view>

namespace tavro {

inline constexpr std::string_view kCustomerEntersValue = "***";

} // namespace tavro
