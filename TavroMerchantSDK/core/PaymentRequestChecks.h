#pragma once
// The per-field rules behind TavroPaymentRequest::validate(). Lengths count code points, as the
// payload does. "Decimal digit" is Unicode category Nd and "letter" categories L and M; where a
// value is read as a number, only ASCII digits count. Internal to the core.

#include <optional>
#include <string>
#include <string_view>

namespace tavro::paymentrequestchecks {

using OptionalText = std::optional<std::string>;

// Text that can go into a payload: valid UTF-8 (no truncated, overlong or surrogate encodings)
// without control characters (general category Cc: U+0000 to U+001F, U+007F to U+009F) and
// without characters above U+FFFF, which wallets counting UTF-16 units take for two.
bool isPayloadText(std::string_view value);
// Exactly "01".
bool validatePayloadFormatIndicator(const OptionalText& value);
// Starts with "4", 8 to 16 ASCII digits, and its PAN passes the Luhn check.
bool validateMerchantID(const OptionalText& merchantID);
// The payload validator's widening of an ID to a 16-digit PAN and its Luhn check: requests and
// scanned payloads judge merchant IDs by one rule.
std::string convertMerchantIdToPan(std::string_view merchantID);
bool luhnsAlgorithmCheck(std::string_view merchantPan);
// Exactly 4 decimal digits.
bool validateMerchantCategoryCode(const OptionalText& value);
// An upper-case ISO 3166-1 alpha-2 region code.
bool validateCountryCode(const OptionalText& value);
// Exactly 3 decimal digits whose ASCII reading is an ISO 4217 numeric code ("036" reads as 36).
bool validateCurrencyCode(const OptionalText& value);
// Absent, empty, "01", "02" or "03".
bool validateTipAndFeeIndicator(const OptionalText& tipIndicator);
// With indicator "02": a plain decimal above zero of 1 to 9 characters. Otherwise: empty text.
bool validateConvenienceFeeAmount(const OptionalText& amount, const OptionalText& tipIndicator);
// With indicator "03": a plain decimal from 0.01 to 99.99 of 1 to 5 characters. Otherwise:
// empty text.
bool validateConveniencePercentage(const OptionalText& percentage, const OptionalText& tipIndicator);

} // namespace tavro::paymentrequestchecks
