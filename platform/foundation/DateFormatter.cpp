#include "platform/foundation/DateFormatter.h"

#include "platform/foundation/DebugLog.h"
#include "platform/foundation/IcuText.h"

#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>

#include <map>
#include <memory>
#include <mutex>

namespace platform {

namespace {

constexpr std::size_t kMaximumCachedFormats = 128;

using text::detail::toUtf8;

icu::UnicodeString unicode(const std::string& text)
{
    return icu::UnicodeString::fromUTF8(text);
}

// The locale's AM and PM texts.
std::pair<std::string, std::string> localeAmPm(const std::string& icuLocale)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::DateFormatSymbols symbols(icu::Locale(icuLocale.c_str()), status);
    int32_t count = 0;
    const icu::UnicodeString* texts = symbols.getAmPmStrings(count);
    if (U_FAILURE(status) || count < 2)
        return {"AM", "PM"};
    return {toUtf8(texts[0]), toUtf8(texts[1])};
}

struct SharedFormat {
    std::mutex mutex;
    std::unique_ptr<icu::SimpleDateFormat> format;
};

std::shared_ptr<SharedFormat> formatFor(const std::string& pattern, const std::string& icuLocale,
                                        const std::string& zone, const std::optional<std::string>& am,
                                        const std::optional<std::string>& pm)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<SharedFormat>> formats;
    std::string key = pattern + '\x1f' + icuLocale + '\x1f' + zone + '\x1f' + (am ? "=" + *am : "-") + '\x1f' +
                      (pm ? "=" + *pm : "-");
    {
        std::lock_guard lock(mutex);
        if (auto found = formats.find(key); found != formats.end())
            return found->second;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale(icuLocale.c_str());
    auto format = std::make_unique<icu::SimpleDateFormat>(unicode(pattern), locale, status);
    if (U_FAILURE(status)) {
        debugLog("DateFormatter: cannot use the pattern \"" + pattern + "\"");
        return nullptr;
    }
    format->adoptTimeZone(icu::TimeZone::createTimeZone(unicode(zone)));
    if (am || pm) {
        icu::DateFormatSymbols symbols(*format->getDateFormatSymbols());
        auto [localeAm, localePm] = localeAmPm(icuLocale);
        icu::UnicodeString texts[2] = {unicode(am.value_or(localeAm)), unicode(pm.value_or(localePm))};
        symbols.setAmPmStrings(texts, 2);
        format->setDateFormatSymbols(symbols);
    }
    auto shared = std::make_shared<SharedFormat>();
    shared->format = std::move(format);
    std::lock_guard lock(mutex);
    if (formats.size() >= kMaximumCachedFormats)
        formats.clear();
    formats.emplace(std::move(key), shared);
    return shared;
}

} // namespace

std::string DateFormatter::amSymbol() const
{
    return m_amSymbol ? *m_amSymbol : localeAmPm((m_locale ? *m_locale : Locale::current()).icuName()).first;
}

std::string DateFormatter::pmSymbol() const
{
    return m_pmSymbol ? *m_pmSymbol : localeAmPm((m_locale ? *m_locale : Locale::current()).icuName()).second;
}

std::string DateFormatter::string(Date date) const
{
    auto locale = m_locale ? *m_locale : Locale::current();
    auto zone = m_timeZone ? *m_timeZone : TimeZone::current(date);
    auto shared = formatFor(m_dateFormat, locale.icuName(), zone.identifier(), m_amSymbol, m_pmSymbol);
    if (!shared)
        return {};
    std::lock_guard lock(shared->mutex);
    icu::UnicodeString out;
    shared->format->format(date.timeIntervalSince1970 * 1000.0, out);
    return toUtf8(out);
}

} // namespace platform
