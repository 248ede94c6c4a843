#pragma once
// Constant maps from ISO 4217 numeric currency codes to alphabetic codes and from alphabetic codes
// to the locale identifier that formats the currency. Each is built once, at first use, and then
// only read.

#include <cstdint>
#include <map>
#include <string>

namespace tavro {

struct ISOCountryCodes {
    ISOCountryCodes() = delete;

    // ISO 4217 numeric code (840, not "840") -> alphabetic code ("USD"); 179 entries, both sides
    // unique.
    static const std::map<std::int64_t, std::string>& availableISOCurrencies();
    // availableISOCurrencies().contains(number), without the tree walk.
    static bool isISOCurrencyNumber(std::int64_t number);

    // Alphabetic code -> locale identifier "en_" + region ("USD" -> "en_US"); 152 entries, every
    // key a value of availableISOCurrencies().
    static const std::map<std::string, std::string, std::less<>>& localeIds();
};

} // namespace tavro
