#pragma once
// Locale lookups for ISO 4217 numeric currency codes: the locale that formats a currency, its
// symbol and its alphabetic code.

#include "platform/foundation/Locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavro {

struct CurrencySymbol {
    std::string symbol;      // the locale's currency symbol ("₹"); empty when there is none
    std::string isoCurrency; // alphabetic code of the asked currency ("INR"); empty likewise
    bool operator==(const CurrencySymbol&) const = default;
};

class TavroLocaleUtility {
public:
    TavroLocaleUtility() = delete;

    // The locale for the currency whose numeric code is `code`: an optional sign and decimal
    // digits, nothing else (leading zeros allowed: "036" is "36"). nullopt when the text does not
    // parse, the code is unknown, or the currency has no locale.
    static std::optional<platform::Locale> localeFromISOCode(std::string_view code);

    // The locale's own currency symbol (the asked currency only chooses the locale: "586" gives
    // the symbol of en_IN with "PKR") and the code's alphabetic code; two empty texts when
    // there is no locale or the locale has no symbol.
    static CurrencySymbol getCurrencySymbol(std::string_view code);
};

} // namespace tavro
