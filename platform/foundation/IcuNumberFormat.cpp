#include "platform/foundation/IcuNumberFormat.h"

#include <unicode/dcfmtsym.h>
#include <unicode/numfmt.h>

#include <map>

namespace platform {

namespace {

// Beyond this many distinct settings the cache starts over rather than grow without bound.
constexpr std::size_t kMaximumCachedFormats = 256;

icu::UnicodeString unicode(const std::string& text)
{
    return icu::UnicodeString::fromUTF8(text);
}

icu::DecimalFormat::ERoundingMode icuRounding(int mode)
{
    switch (mode) {
    case 0: return icu::DecimalFormat::kRoundCeiling;
    case 1: return icu::DecimalFormat::kRoundFloor;
    case 2: return icu::DecimalFormat::kRoundDown;
    case 3: return icu::DecimalFormat::kRoundUp;
    case 5: return icu::DecimalFormat::kRoundHalfDown;
    case 6: return icu::DecimalFormat::kRoundHalfUp;
    default: return icu::DecimalFormat::kRoundHalfEven;
    }
}

// The locale's own formatter for a style, before any setting is applied.
std::unique_ptr<icu::DecimalFormat> makePrototype(int style, const std::string& icuLocale)
{
    static std::mutex mutex;
    static std::map<std::pair<int, std::string>, std::unique_ptr<icu::DecimalFormat>> prototypes;
    std::lock_guard lock(mutex);
    auto& prototype = prototypes[{style, icuLocale}];
    if (!prototype) {
        UErrorCode status = U_ZERO_ERROR;
        UNumberFormatStyle icuStyle = style == 2 ? UNUM_CURRENCY : UNUM_DECIMAL;
        std::unique_ptr<icu::NumberFormat> made(
            icu::NumberFormat::createInstance(icu::Locale(icuLocale.c_str()), icuStyle, status));
        auto* decimal = dynamic_cast<icu::DecimalFormat*>(made.get());
        if (U_FAILURE(status) || !decimal)
            return nullptr;
        made.release();
        prototype.reset(decimal);
        if (style == 0) {
            prototype->setGroupingUsed(false);
            prototype->setMaximumFractionDigits(0);
        }
    }
    return std::unique_ptr<icu::DecimalFormat>(prototype->clone());
}

std::unique_ptr<icu::DecimalFormat> configure(const NumberFormatSettings& settings)
{
    auto format = makePrototype(settings.style, settings.icuLocale);
    if (!format)
        return nullptr;
    UErrorCode status = U_ZERO_ERROR;
    if (settings.currencyCode) {
        auto code = unicode(*settings.currencyCode);
        format->setCurrency(code.getTerminatedBuffer(), status);
        if (U_FAILURE(status))
            return nullptr;
    }
    if (settings.maximumFractionDigits)
        format->setMaximumFractionDigits(*settings.maximumFractionDigits);
    if (settings.minimumFractionDigits)
        format->setMinimumFractionDigits(*settings.minimumFractionDigits);
    format->setRoundingMode(icuRounding(settings.roundingMode));
    if (settings.usesGroupingSeparator)
        format->setGroupingUsed(*settings.usesGroupingSeparator);

    if (settings.currencySymbol || settings.groupingSeparator || settings.decimalSeparator) {
        icu::DecimalFormatSymbols symbols(*format->getDecimalFormatSymbols());
        using S = icu::DecimalFormatSymbols;
        if (settings.currencySymbol)
            symbols.setSymbol(S::kCurrencySymbol, unicode(*settings.currencySymbol));
        if (settings.groupingSeparator) {
            symbols.setSymbol(S::kGroupingSeparatorSymbol, unicode(*settings.groupingSeparator));
            symbols.setSymbol(S::kMonetaryGroupingSeparatorSymbol, unicode(*settings.groupingSeparator));
        }
        if (settings.decimalSeparator) {
            symbols.setSymbol(S::kDecimalSeparatorSymbol, unicode(*settings.decimalSeparator));
            symbols.setSymbol(S::kMonetarySeparatorSymbol, unicode(*settings.decimalSeparator));
        }
        format->setDecimalFormatSymbols(symbols);
    }
    return format;
}

} // namespace

std::string NumberFormatSettings::cacheKey() const
{
    std::string key;
    auto add = [&key](const std::string& part) {
        key += part;
        key += '\x1f';
    };
    auto addOptional = [&](const std::optional<std::string>& part) { add(part ? "=" + *part : "-"); };
    auto addNumber = [&](const std::optional<int>& part) { add(part ? std::to_string(*part) : "-"); };
    add(std::to_string(style));
    add(icuLocale);
    addOptional(currencyCode);
    addOptional(currencySymbol);
    addNumber(minimumFractionDigits);
    addNumber(maximumFractionDigits);
    add(std::to_string(roundingMode));
    add(usesGroupingSeparator ? (*usesGroupingSeparator ? "1" : "0") : "-");
    addOptional(groupingSeparator);
    addOptional(decimalSeparator);
    return key;
}

std::shared_ptr<const IcuNumberFormat> IcuNumberFormat::forSettings(const NumberFormatSettings& settings)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const IcuNumberFormat>, std::less<>> formats;
    std::string key = settings.cacheKey();
    {
        std::lock_guard lock(mutex);
        if (auto found = formats.find(key); found != formats.end())
            return found->second;
    }
    auto configured = configure(settings);
    if (!configured)
        return nullptr;
    auto shared = std::make_shared<const IcuNumberFormat>(std::move(configured));
    std::lock_guard lock(mutex);
    if (formats.size() >= kMaximumCachedFormats)
        formats.clear();
    formats.emplace(std::move(key), shared);
    return shared;
}

} // namespace platform
