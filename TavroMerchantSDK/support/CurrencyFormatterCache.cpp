#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"

#include "TavroMerchantSDK/support/base/ISOCountryCodes.h"
#include "platform/foundation/Text.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace tavro {

namespace {

// A currency-style formatter in `locale` (nullopt: the current locale at formatting time); with
// `currency`, that currency written with `symbol` instead of the locale's own. Its ICU formatter
// is resolved now, so that later uses of a shared formatter only read it.
std::shared_ptr<const CurrencyFormatting> makeFormatting(std::optional<platform::Locale> locale, CurrencySymbol symbol,
                                                         const std::optional<std::string>& currency = std::nullopt)
{
    auto formatter = std::make_shared<platform::NumberFormatter>();
    formatter->setNumberStyle(platform::NumberStyle::currency);
    formatter->setLocale(std::move(locale));
    if (currency) {
        formatter->setCurrencyCode(currency);
        formatter->setCurrencySymbol(symbol.symbol);
    }
    formatter->string(0);
    auto formatting = std::make_shared<CurrencyFormatting>();
    formatting->formatter = std::move(formatter);
    formatting->symbol = std::move(symbol);
    return formatting;
}

} // namespace

std::shared_ptr<const CurrencyFormatting> currencyFormatting(std::string_view currencyCode)
{
    static std::mutex mutex;
    // Keyed by the numeric value: "36", "036" and "+36" share one entry. Only codes of the ISO
    // table are kept, so the cache holds at most one entry per known currency.
    static std::unordered_map<std::int64_t, std::shared_ptr<const CurrencyFormatting>> cache;

    const auto key = platform::text::parseInteger(currencyCode);
    if (key) {
        std::lock_guard lock(mutex);
        if (auto found = cache.find(*key); found != cache.end())
            return found->second;
    }
    const auto& currencies = ISOCountryCodes::availableISOCurrencies();
    const auto known = key ? currencies.find(*key) : currencies.end();
    if (known == currencies.end()) {
        // Follows the current locale, which may change between calls: not cached. No symbol, so
        // no components either.
        return makeFormatting(std::nullopt, {});
    }
    std::shared_ptr<const CurrencyFormatting> formatting;
    if (auto locale = TavroLocaleUtility::localeFromISOCode(currencyCode)) {
        formatting = makeFormatting(std::move(locale), TavroLocaleUtility::getCurrencySymbol(currencyCode));
    } else {
        // No locale of the table: English digits with the alphabetic code as the symbol
        // ("MVR 12.50") and ICU's fraction digits for that currency. "en" has no currency of its
        // own, and a code's own symbol may be a placeholder ("¤" for XXX).
        const std::string& alphabetic = known->second;
        formatting = makeFormatting(platform::Locale("en"), {alphabetic, alphabetic}, alphabetic);
    }
    std::lock_guard lock(mutex);
    return cache.emplace(*key, std::move(formatting)).first->second;
}

bool hasCurrencyFormat(std::string_view currencyCode)
{
    const auto key = platform::text::parseInteger(currencyCode);
    return key && ISOCountryCodes::isISOCurrencyNumber(*key);
}

int currencyFractionDigits(std::string_view currencyCode)
{
    return currencyFormatting(currencyCode)->formatter->minimumFractionDigits();
}

} // namespace tavro
