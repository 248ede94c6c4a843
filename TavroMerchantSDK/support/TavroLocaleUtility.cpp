#include "TavroMerchantSDK/support/TavroLocaleUtility.h"

#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "platform/foundation/Text.h"

namespace tavro {

namespace {

// The alphabetic code of a numeric code text; nullptr when it does not parse or is unknown.
const std::string* alphabeticCode(std::string_view code)
{
    auto numeric = platform::text::parseInteger(code);
    if (!numeric)
        return nullptr;
    const auto& currencies = ISOCountryCodes::availableISOCurrencies();
    auto found = currencies.find(*numeric);
    return found == currencies.end() ? nullptr : &found->second;
}

} // namespace

std::optional<platform::Locale> TavroLocaleUtility::localeFromISOCode(std::string_view code)
{
    const std::string* alphabetic = alphabeticCode(code);
    if (!alphabetic)
        return std::nullopt;
    const auto& locales = ISOCountryCodes::localeIds();
    auto found = locales.find(*alphabetic);
    if (found == locales.end())
        return std::nullopt;
    return platform::Locale(found->second);
}

CurrencySymbol TavroLocaleUtility::getCurrencySymbol(std::string_view code)
{
    auto locale = localeFromISOCode(code);
    if (!locale)
        return {};
    auto symbol = locale->currencySymbol();
    if (!symbol)
        return {};
    return {*symbol, *alphabeticCode(code)};
}

} // namespace tavro
