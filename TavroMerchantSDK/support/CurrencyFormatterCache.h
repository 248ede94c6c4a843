#pragma once
// Currency-style number formatters for ISO 4217 numeric codes, kept once per known currency.
// Building an ICU formatter is slow; the cached ones are configured exactly as a fresh one would
// be, so what they produce is the same.

#include "TavroMerchantSDK/support/TavroLocaleUtility.h"
#include "platform/foundation/NumberFormatter.h"

#include <memory>
#include <string_view>

namespace tavro {

struct CurrencyFormatting {
    // Currency style in the currency's locale (the current locale at formatting time when the
    // code has none), the locale's currency fraction digits, rounding half to even. Never null.
    std::shared_ptr<const platform::NumberFormatter> formatter;
    // What TavroLocaleUtility::getCurrencySymbol() gives for the code.
    CurrencySymbol symbol;
};

// The formatting of `currencyCode`; shared for codes that have a locale, fresh otherwise.
std::shared_ptr<const CurrencyFormatting> currencyFormatting(std::string_view currencyCode);

// The fraction digits amounts in `currencyCode` are typed, shown and kept with (2 for INR, 0 for
// JPY, 3 for BHD): its formatter's minimum fraction digits.
int currencyFractionDigits(std::string_view currencyCode);

} // namespace tavro
