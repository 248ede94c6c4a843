#pragma once
// The currency table of the picker: the ISO 4217 active currencies with their common English
// names, one immutable copy per process.

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tavro {

// One row: exactly the keys "currencyCode" (numeric code without leading zeros, "36"),
// "currencyId" (alphabetic code, "AUD") and "currencyDescription" (English name).
using KCurrencyRow = std::map<std::string, std::string, std::less<>>;
using KCurrencyTable = std::vector<KCurrencyRow>;

inline constexpr const char* kCurrencyCodeKey = "currencyCode";
inline constexpr const char* kCurrencyIdKey = "currencyId";
inline constexpr const char* kCurrencyDescriptionKey = "currencyDescription";

// The 177 rows in stored order (alphabetical by alphabetic code, except XSU, XUA, XTS), built on
// first use and shared by every record; never changed.
const std::shared_ptr<const KCurrencyTable>& kCurrencyTable();

} // namespace tavro
