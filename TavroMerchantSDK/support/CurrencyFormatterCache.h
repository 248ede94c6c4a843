#pragma once
// Currency-style number formatters for ISO 4217 numeric codes, kept once per known currency.
// Building an ICU formatter is slow; the cached ones are configured exactly as a fresh one would
// be, so what they produce is the same. Every code of ISOCountryCodes::availableISOCurrencies()
// formats the same way on every device; only codes outside it follow the device's locale.

#include "TavroMerchantSDK/support/TavroLocaleUtility.h"
#include "platform/foundation/NumberFormatter.h"

#include <memory>
#include <string_view>

namespace tavro {

struct CurrencyFormatting {
    // Currency style, rounding half to even. Never null. A code with a locale of
    // ISOCountryCodes::localeIds(): that locale, its currency's symbol and fraction digits. Any
    // other code of the ISO table: the locale "en" with the alphabetic code as currency and as
    // symbol ("MVR 12.50"), ICU's fraction digits for that currency (MVR 2, CLF 4, UYI 0). A code
    // outside the table: the current locale at formatting time and its own currency.
    std::shared_ptr<const platform::NumberFormatter> formatter;
    // The symbol the formatter writes and the alphabetic code: what
    // TavroLocaleUtility::getCurrencySymbol() gives for a code with a locale, the alphabetic code
    // twice for the table's other codes, two empty texts outside the table.
    CurrencySymbol symbol;
};

// The formatting of `currencyCode`; shared for codes of the ISO table, fresh otherwise.
std::shared_ptr<const CurrencyFormatting> currencyFormatting(std::string_view currencyCode);

// Whether `currencyCode` (numeric code text, "462" or "0462") names a currency of the ISO table,
// whose amounts therefore have digits of their own rather than the device's.
bool hasCurrencyFormat(std::string_view currencyCode);

// The fraction digits amounts in `currencyCode` are typed, shown and kept with (2 for INR, 0 for
// JPY, 3 for BHD): its formatter's minimum fraction digits.
int currencyFractionDigits(std::string_view currencyCode);

} // namespace tavro
