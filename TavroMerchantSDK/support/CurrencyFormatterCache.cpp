#include "TavroMerchantSDK/support/CurrencyFormatterCache.h"

#include "platform/foundation/Text.h"

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace tavro {

namespace {

std::shared_ptr<const CurrencyFormatting> makeFormatting(std::optional<platform::Locale> locale,
                                                         std::string_view currencyCode)
{
    auto formatter = std::make_shared<platform::NumberFormatter>();
    formatter->setNumberStyle(platform::NumberStyle::currency);
    formatter->setLocale(std::move(locale));
    // Resolve the ICU formatter now, so that later uses of a shared formatter only read it.
    formatter->string(0);
    auto formatting = std::make_shared<CurrencyFormatting>();
    formatting->formatter = std::move(formatter);
    formatting->symbol = TavroLocaleUtility::getCurrencySymbol(currencyCode);
    return formatting;
}

} // namespace

std::shared_ptr<const CurrencyFormatting> currencyFormatting(std::string_view currencyCode)
{
    static std::mutex mutex;
    // Keyed by the numeric value: "36", "036" and "+36" share one entry. Only codes with a locale
    // are kept, so the cache holds at most one entry per known currency.
    static std::unordered_map<std::int64_t, std::shared_ptr<const CurrencyFormatting>> cache;

    const auto key = platform::text::parseInteger(currencyCode);
    if (key) {
        std::lock_guard lock(mutex);
        if (auto found = cache.find(*key); found != cache.end())
            return found->second;
    }
    auto locale = TavroLocaleUtility::localeFromISOCode(currencyCode);
    if (!locale) {
        // Follows the current locale, which may change between calls: not cached.
        return makeFormatting(std::nullopt, currencyCode);
    }
    auto formatting = makeFormatting(std::move(locale), currencyCode);
    std::lock_guard lock(mutex);
    return cache.emplace(*key, std::move(formatting)).first->second;
}

int currencyFractionDigits(std::string_view currencyCode)
{
    return currencyFormatting(currencyCode)->formatter->minimumFractionDigits();
}

} // namespace tavro
