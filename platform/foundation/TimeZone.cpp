#include "platform/foundation/TimeZone.h"

#include <unicode/timezone.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
std::optional<TimeZone> g_override;

std::unique_ptr<icu::TimeZone> icuZone(const std::string& identifier)
{
    return std::unique_ptr<icu::TimeZone>(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(identifier)));
}

int offsetAt(const icu::TimeZone& zone, Date date)
{
    int32_t raw = 0;
    int32_t daylight = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone.getOffset(date.timeIntervalSince1970 * 1000.0, false, raw, daylight, status);
    return U_FAILURE(status) ? 0 : (raw + daylight) / 1000;
}

// The system's offset from UTC at `date`, with the TZ variable read again.
long systemOffsetAt(Date date)
{
    tzset();
    const auto seconds = static_cast<std::time_t>(std::floor(date.timeIntervalSince1970));
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return 0;
    return local.tm_gmtoff;
}

// "GMT+05:30", with seconds only when the offset has them ("GMT+00:19:32").
std::string fixedZoneIdentifier(long offset)
{
    const char sign = offset < 0 ? '-' : '+';
    const long magnitude = std::labs(offset);
    char text[32];
    std::snprintf(text, sizeof text, "GMT%c%02ld:%02ld", sign, magnitude / 3600, magnitude / 60 % 60);
    std::string identifier = text;
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02ld", magnitude % 60);
        identifier += text;
    }
    return identifier;
}

// ICU's name for the host's zone, when ICU's rules under that name agree with the system at `date`:
// a POSIX rule or a path is named nothing ICU knows, "GMT+5" means the opposite to ICU, and ICU's
// built-in rules may be older than the system's.
std::optional<std::string> agreeingHostZoneName(Date date, long systemOffset)
{
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
    if (!host)
        return std::nullopt;
    icu::UnicodeString id;
    icu::UnicodeString unknownId;
    if (host->getID(id) == icu::TimeZone::getUnknown().getID(unknownId))
        return std::nullopt;
    std::unique_ptr<icu::TimeZone> named(icu::TimeZone::createTimeZone(id));
    if (!named || *named == icu::TimeZone::getUnknown() || offsetAt(*named, date) != systemOffset)
        return std::nullopt;
    std::string identifier;
    id.toUTF8String(identifier);
    return identifier;
}

} // namespace

std::optional<TimeZone> TimeZone::named(const std::string& identifier)
{
    if (identifier.empty())
        return std::nullopt;
    auto zone = icuZone(identifier);
    if (!zone || *zone == icu::TimeZone::getUnknown())
        return std::nullopt;
    return TimeZone(identifier);
}

TimeZone TimeZone::utc()
{
    return TimeZone("UTC");
}

TimeZone TimeZone::current(Date date)
{
    {
        std::lock_guard lock(g_mutex);
        if (g_override)
            return *g_override;
    }
    const long offset = systemOffsetAt(date);
    auto name = agreeingHostZoneName(date, offset);
    return TimeZone(name ? *name : fixedZoneIdentifier(offset));
}

void TimeZone::setCurrent(std::optional<TimeZone> zone)
{
    std::lock_guard lock(g_mutex);
    g_override = std::move(zone);
}

int TimeZone::secondsFromGMT(Date date) const
{
    return offsetAt(*icuZone(m_identifier), date);
}

} // namespace platform
